#include <doctest/doctest.h>

#include <windows.h>

#include "EBitmapButton.h"
#include "ViewFixture.h"

namespace {

const int Width = 22, Height = 21;

struct ButtonFixture : ViewFixture {
    EAttributeList buttonList;
    EBitmapButton button;
    Recorder r;
    ButtonFixture()
        : button(&view, "S",
                 buttonList.Set(EKey::Width, Width)
                     .Set(EKey::Height, Height)
                     .Set(EKey::Bitmap, "RESB_DIRECTORY")
                     .Set(EKey::BitmapCount, 2))
    {
        button.Connect(EKey::Action, &r, &Recorder::OnEvent);
    }
    void Mouse(UINT message, int x, int y)
    {
        SendMessageA(button.Handle(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    }
};

// The face the parent's WM_DRAWITEM paints for the button now, compared
// pixel for pixel with the given face drawn by a reference copy.
bool PaintsFace(ButtonFixture& f, EButtonFace face)
{
    Canvas painted(Width, Height), expected(Width, Height);
    RECT rect = {0, 0, Width, Height};
    DrawThroughParent(f.view.Handle(), f.button.Handle(), ODT_BUTTON, 0, 0, rect, painted);
    EButtonFaces reference(f.button.Handle(), Width, Height, "RESB_DIRECTORY", 2);
    reference.Paint(expected.dc.Handle(), face);
    int differing = 0;
    for (int i = 0; i < Width * Height; i++)
        differing += painted.At(i % Width, i / Width) != expected.At(i % Width, i / Width);
    return differing == 0;
}

}

TEST_CASE("bitmap button: an owner-drawn button that paints its normal, pushed and disabled faces")
{
    ButtonFixture f;
    REQUIRE(f.button.Handle());
    CHECK(f.button.Face() == EFaceUp);
    CHECK(PaintsFace(f, EFaceUp));
    CHECK_FALSE(PaintsFace(f, EFacePressed));

    f.Mouse(WM_LBUTTONDOWN, 5, 5);
    CHECK(f.button.Face() == EFacePressed);
    CHECK(PaintsFace(f, EFacePressed));
    f.Mouse(WM_LBUTTONUP, 5, 5);
    PumpMessages();

    f.button.Disable();
    CHECK(f.button.Face() == EFaceDisabled);
    CHECK(PaintsFace(f, EFaceDisabled));
    CHECK_FALSE(PaintsFace(f, EFaceUp));
    f.button.Enable();
    CHECK(PaintsFace(f, EFaceUp));
}

TEST_CASE("bitmap button: no click for a press released outside, robbed of its capture, or a lone release")
{
    ButtonFixture f;
    f.Mouse(WM_LBUTTONDOWN, 5, 5);
    f.Mouse(WM_MOUSEMOVE, Width + 1, 5);
    CHECK(f.button.Face() == EFaceUp);
    f.Mouse(WM_LBUTTONUP, 5, -1);
    // A dialog or another window takes the mouse.
    f.Mouse(WM_LBUTTONDOWN, 5, 5);
    SetCapture(f.view.Handle());
    CHECK_FALSE(f.button.Tracking());
    ReleaseCapture();
    f.Mouse(WM_LBUTTONUP, 5, 5);
    f.Mouse(WM_LBUTTONUP, 5, 5);
    PumpMessages();
    CHECK(f.r.calls.empty());

    // Dragged out and back in, it clicks.
    f.Mouse(WM_LBUTTONDOWN, 5, 5);
    f.Mouse(WM_MOUSEMOVE, 60, 60);
    f.Mouse(WM_MOUSEMOVE, 3, 3);
    CHECK(f.button.Face() == EFacePressed);
    f.Mouse(WM_LBUTTONUP, 3, 3);
    PumpMessages();
    CHECK(f.r.calls.size() == 1);
}
