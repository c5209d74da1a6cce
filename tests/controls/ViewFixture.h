#ifndef OMBREL_VIEWFIXTURE_H
#define OMBREL_VIEWFIXTURE_H

#include <windows.h>

#include "EBitmap.h"
#include "EMemoryDC.h"
#include "EView.h"
#include "FrameworkFixture.h"

// Takes, when it goes, the quit message that a destroyed parentless view
// posts, so that it cannot end a later test's dialog.
struct QuitTaker {
    ~QuitTaker()
    {
        int code;
        TakeQuit(&code);
    }
};

// A visible framework view holding the controls under test, in a process
// with a window map.
struct ViewFixture : ApplicationFixture {
    QuitTaker quit;
    EAttributeList list;
    EView view;
    ViewFixture() : view(nullptr, "controls", ViewList(list).Set(EKey::Style, WS_VISIBLE).Set(EKey::Width, 660).Set(EKey::Height, 420)) {}
};

// A 32-bit memory canvas to paint into and read back.
struct Canvas {
    EBitmap bitmap;
    EMemoryDC dc;
    Canvas(int width, int height) : bitmap(CreateBitmap(width, height, 1, 32, nullptr)) { dc.Select(bitmap.Bitmap()); }
    COLORREF At(int x, int y) const { return GetPixel(dc.Handle(), x, y); }
};

// What the system asks an owner to paint for control, into canvas.
inline DRAWITEMSTRUCT DrawRequest(HWND control, UINT type, UINT item, UINT state, const RECT& rect, Canvas& canvas)
{
    DRAWITEMSTRUCT draw = {};
    draw.CtlType = type;
    draw.itemID = item;
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = state;
    draw.hwndItem = control;
    draw.hDC = canvas.dc.Handle();
    draw.rcItem = rect;
    return draw;
}

// Sends the parent the WM_DRAWITEM the system would send for control,
// painting into canvas: the way a paint goes through the framework.
inline void DrawThroughParent(HWND parent, HWND control, UINT type, UINT item, UINT state, const RECT& rect,
                              Canvas& canvas)
{
    DRAWITEMSTRUCT draw = DrawRequest(control, type, item, state, rect, canvas);
    SendMessageA(parent, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
}

// Dispatches what is queued for this thread.
inline void PumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

#endif
