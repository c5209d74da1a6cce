#include "EButtonFace.h"

#include "EBrush.h"
#include "EDC.h"
#include "EMemoryDC.h"

namespace {

void DrawPicture(HDC dc, const RECT& rect, EButtonFace face, HBITMAP pictures, int pictureCount)
{
    BITMAP size;
    if (pictureCount < 1 || GetObjectA(pictures, sizeof size, &size) != sizeof size)
        return;
    // A single picture has no disabled form: that face stays empty.
    if (face == EFaceDisabled && pictureCount < 2)
        return;
    int pictureWidth = size.bmWidth / pictureCount;
    int pictureHeight = size.bmHeight;
    int x = rect.left + (rect.right - rect.left - pictureWidth) / 2;
    int y = rect.top + (rect.bottom - rect.top - pictureHeight) / 2;
    int sourceX = face == EFaceDisabled ? pictureWidth : 0;
    if (face == EFacePressed) {
        x++;
        y++;
    }
    EMemoryDC source(dc);
    source.Select(pictures);
    int saved = SaveDC(dc);
    IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    BitBlt(dc, x, y, pictureWidth, pictureHeight, source.Handle(), sourceX, 0, SRCCOPY);
    RestoreDC(dc, saved);
}

void Line(EDC& dc, int colour, int left, int top, int right, int bottom)
{
    dc.SetPen(PS_SOLID, 1, GetSysColor(colour));
    Rectangle(dc.Handle(), left, top, right, bottom);
}

// Highlight left and top, a shadow line inside the right and bottom edges,
// the dark shadow outside them.
void RaisedFrame(EDC& dc, int x, int y, int w, int h)
{
    Line(dc, COLOR_3DDKSHADOW, x, y, x + w, y + h);
    Line(dc, COLOR_BTNSHADOW, x, y, x + w - 1, y + h - 1);
    Line(dc, COLOR_BTNHIGHLIGHT, x, y, x + 1, y + h - 1);
    Rectangle(dc.Handle(), x, y, x + w - 1, y + 1);
}

// Dark outer edge left and top with a shadow line inside, highlight on the
// outer bottom and right edges.
void PressedFrame(EDC& dc, int x, int y, int w, int h)
{
    Line(dc, COLOR_3DDKSHADOW, x, y, x + w, y + h);
    Line(dc, COLOR_BTNSHADOW, x + 1, y + 1, x + 2, y + h - 2);
    Rectangle(dc.Handle(), x + 1, y + 1, x + w - 2, y + 2);
    Line(dc, COLOR_BTNHIGHLIGHT, x, y + h - 1, x + w, y + h);
    Rectangle(dc.Handle(), x + w - 1, y, x + w, y + h);
}

}

void EDrawButtonFace(HDC dc, const RECT& rect, EButtonFace face, HBITMAP pictures, int pictureCount)
{
    EBrush background(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
    FillRect(dc, &rect, background.Brush());
    if (pictures)
        DrawPicture(dc, rect, face, pictures, pictureCount);

    EDC frame(dc);
    frame.Select(GetStockObject(NULL_BRUSH));
    int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (face == EFacePressed)
        PressedFrame(frame, rect.left, rect.top, w, h);
    else
        RaisedFrame(frame, rect.left, rect.top, w, h);
}
