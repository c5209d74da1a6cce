#include <doctest/doctest.h>

#include <windows.h>

#include "EApplication.h"
#include "EBitmap.h"
#include "EBrush.h"
#include "EButtonFace.h"
#include "EButtonFaces.h"
#include "EMemoryDC.h"
#include "TestWindow.h"
#include "ViewFixture.h"

namespace {

const COLORREF Red = RGB(255, 0, 0);
const COLORREF Blue = RGB(0, 0, 255);

// A screen-format picture strip: count pictures of w x h, filled with colours.
HBITMAP MakePictures(int w, int h, const COLORREF* colours, int count)
{
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w * count, h);
    ReleaseDC(nullptr, screen);
    EMemoryDC dc;
    dc.Select(bitmap);
    for (int i = 0; i < count; i++) {
        RECT rect = {i * w, 0, (i + 1) * w, h};
        EBrush brush(CreateSolidBrush(colours[i]));
        FillRect(dc.Handle(), &rect, brush.Brush());
    }
    return bitmap;
}

// A memory canvas holding the three faces of w x h side by side.
struct Strip {
    EBitmap bitmap;
    EMemoryDC dc;
    Strip(int w, int h, HBITMAP pictures, int count) : bitmap(MakePictures(3 * w, h, &Blank, 1))
    {
        dc.Select(bitmap.Bitmap());
        const EButtonFace faces[] = {EFaceUp, EFacePressed, EFaceDisabled};
        for (EButtonFace face : faces) {
            RECT rect = {face * w, 0, (face + 1) * w, h};
            EDrawButtonFace(dc.Handle(), rect, face, pictures, count);
        }
    }
    COLORREF At(int x, int y) const { return GetPixel(dc.Handle(), x, y); }
    static constexpr COLORREF Blank = RGB(1, 2, 3);
};

}

TEST_CASE("button faces: frames, the picture placed and the disabled picture")
{
    const COLORREF pictures[] = {Red, Blue};
    EBitmap strip(MakePictures(4, 4, pictures, 2));
    Strip faces(10, 8, strip.Bitmap(), 2);
    const COLORREF face = GetSysColor(COLOR_BTNFACE), light = GetSysColor(COLOR_BTNHIGHLIGHT),
                   shadow = GetSysColor(COLOR_BTNSHADOW), dark = GetSysColor(COLOR_3DDKSHADOW);
    struct {
        int x, y;
        COLORREF colour;
    } pixels[] = {
        // Up (x 0-9): raised frame, picture centred.
        {0, 0, light}, {0, 5, light}, {9, 0, dark}, {9, 7, dark}, {0, 7, dark}, {8, 6, shadow}, {8, 2, shadow},
        {2, 6, shadow}, {3, 2, Red}, {6, 5, Red}, {2, 2, face}, {7, 5, face},
        // Pressed (x 10-19): sunken frame, picture one pixel right and down.
        {10, 0, dark}, {10, 4, dark}, {11, 1, shadow}, {11, 4, shadow}, {15, 1, shadow}, {19, 0, light},
        {19, 4, light}, {14, 7, light}, {13, 2, face}, {14, 3, Red}, {17, 6, Red}, {18, 6, face},
        // Disabled (x 20-29): raised frame, second picture.
        {20, 0, light}, {29, 7, dark}, {23, 2, Blue}, {26, 5, Blue}, {27, 5, face},
    };
    for (const auto& p : pixels) {
        CAPTURE(p.x);
        CAPTURE(p.y);
        CHECK(faces.At(p.x, p.y) == p.colour);
    }
}

TEST_CASE("button faces: a large picture stays inside its face; one picture leaves the disabled face empty")
{
    const COLORREF big[] = {Red, Blue};
    EBitmap large(MakePictures(14, 12, big, 2));
    Strip clipped(10, 8, large.Bitmap(), 2);
    const COLORREF dark = GetSysColor(COLOR_3DDKSHADOW);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    // Each face's own frame survives the faces drawn after it.
    CHECK(clipped.At(9, 4) == dark);
    CHECK(clipped.At(19, 4) == light);
    CHECK(clipped.At(4, 4) == Red);
    CHECK(clipped.At(15, 4) == Red);
    CHECK(clipped.At(24, 4) == Blue);

    const COLORREF one[] = {Red};
    EBitmap single(MakePictures(4, 4, one, 1));
    Strip lone(10, 8, single.Bitmap(), 1);
    CHECK(lone.At(4, 3) == Red);
    CHECK(lone.At(24, 3) == GetSysColor(COLOR_BTNFACE));

    // No picture at all: frames on the button face.
    Strip bare(10, 8, nullptr, 1);
    CHECK(bare.At(4, 3) == GetSysColor(COLOR_BTNFACE));
    CHECK(bare.At(0, 0) == light);
}

TEST_CASE("button faces: the program's pictures, normal and disabled")
{
    EApplication::instance = GetModuleHandleA(nullptr);
    const char* names[] = {"RESB_UP", "RESB_DOWN", "RESB_DIRECTORY"};
    for (const char* name : names) {
        CAPTURE(name);
        EBitmap resource(LoadBitmapA(EApplication::instance, name));
        REQUIRE(resource.Bitmap());

        TestWindow window;
        EButtonFaces faces(window.handle, 22, 21, name, 2);
        Canvas up(22, 21), pressed(22, 21), disabled(22, 21);
        faces.Paint(up.dc.Handle(), EFaceUp);
        faces.Paint(pressed.dc.Handle(), EFacePressed);
        faces.Paint(disabled.dc.Handle(), EFaceDisabled);

        // The 16 x 16 picture sits at (3, 2); pressed, at (4, 3).
        int same = 0, differentFromDisabled = 0, notFace = 0;
        for (int y = 0; y < 16; y++)
            for (int x = 0; x < 16; x++) {
                COLORREF normal = up.At(3 + x, 2 + y);
                same += normal == pressed.At(4 + x, 3 + y);
                differentFromDisabled += normal != disabled.At(3 + x, 2 + y);
                notFace += normal != GetSysColor(COLOR_BTNFACE);
            }
        CHECK(same == 256);
        CHECK(differentFromDisabled > 20);
        CHECK(notFace > 20);
        CHECK(up.At(0, 0) == GetSysColor(COLOR_BTNHIGHLIGHT));
        CHECK(pressed.At(0, 0) == GetSysColor(COLOR_3DDKSHADOW));
    }
}
