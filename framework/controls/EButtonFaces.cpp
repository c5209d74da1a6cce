#include "EButtonFaces.h"

#include "EApplication.h"
#include "EWindowDC.h"

namespace {

HBITMAP MakeStrip(HWND window, int width, int height)
{
    EWindowDC dc(window);
    return CreateCompatibleBitmap(dc.Handle(), 3 * width, height);
}

}

EButtonFaces::EButtonFaces(HWND window, int width, int height, const char* bitmapName, int pictureCount)
    : width(width), height(height), faces(MakeStrip(window, width, height)), facesDC(nullptr)
{
    facesDC.Select(faces.Bitmap());
    // The pictures' greys become the system's button colours, so their
    // background blends with the face whatever the colour scheme.
    HANDLE loaded = bitmapName ? LoadImageA(EApplication::instance, bitmapName, IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS)
                               : nullptr;
    EBitmap pictures(static_cast<HBITMAP>(loaded));
    const EButtonFace kinds[] = {EFaceUp, EFacePressed, EFaceDisabled};
    for (EButtonFace face : kinds) {
        RECT rect = {face * width, 0, (face + 1) * width, height};
        EDrawButtonFace(facesDC.Handle(), rect, face, pictures.Bitmap(), pictureCount);
    }
}

void EButtonFaces::Paint(HDC target, EButtonFace face) const
{
    BitBlt(target, 0, 0, width, height, facesDC.Handle(), face * width, 0, SRCCOPY);
}
