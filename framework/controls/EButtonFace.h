#ifndef OMBREL_EBUTTONFACE_H
#define OMBREL_EBUTTONFACE_H

#include <windows.h>

// The three faces of a bitmap button.
enum EButtonFace { EFaceUp = 0, EFacePressed = 1, EFaceDisabled = 2 };

// Paints one face into rect: the button-face colour, the picture centred in
// it (pressed: one pixel right and down; disabled: the second picture), then
// a raised (up, disabled) or sunken (pressed) frame. pictures holds
// pictureCount pictures side by side and may be null (frames only). A
// picture larger than the face is clipped to the face on both sides.
void EDrawButtonFace(HDC dc, const RECT& rect, EButtonFace face, HBITMAP pictures, int pictureCount);

#endif
