#ifndef OMBREL_EBUTTONFACES_H
#define OMBREL_EBUTTONFACES_H

#include "EBitmap.h"
#include "EButtonFace.h"
#include "EMemoryDC.h"

// The three faces of a bitmap button, built once side by side in one bitmap
// (up at x 0, pressed at x width, disabled at x 2 * width) that stays
// selected into a memory context for the object's life.
class EButtonFaces {
public:
    // bitmapName: resource with pictureCount pictures side by side; null or
    // missing gives faces with frames only.
    EButtonFaces(HWND window, int width, int height, const char* bitmapName, int pictureCount);
    EButtonFaces(const EButtonFaces&) = delete;
    EButtonFaces& operator=(const EButtonFaces&) = delete;

    // Copies one face to (0, 0) of target.
    void Paint(HDC target, EButtonFace face) const;

    int Width() const { return width; }
    int Height() const { return height; }

private:
    int width;
    int height;
    // Declared before the context, so the context lets go of it first.
    EBitmap faces;
    EMemoryDC facesDC;
};

#endif
