#ifndef OMBREL_VIEWFIXTURE_H
#define OMBREL_VIEWFIXTURE_H

#include <windows.h>
#include <commctrl.h>

#include "EBitmap.h"
#include "EMemoryDC.h"
#include "EOwnerDrawListView.h"
#include "EView.h"
#include "FrameworkFixture.h"

// A visible framework view holding the controls under test, in a process
// with a window map.
struct ViewFixture : ApplicationFixture {
    EAttributeList list;
    EView view;
    ViewFixture() : view(nullptr, "controls", ViewList(list).Set(EKey::Style, WS_VISIBLE).Set(EKey::Width, 660).Set(EKey::Height, 420)) {}
};

// The operation log as the main window sets it up (single selection, white,
// three columns unless told none), in a framework view that fires its
// drawing and cell requests.
struct LogList : ViewFixture {
    EAttributeList logList;
    EOwnerDrawListView log;
    HWND parent;
    HWND list;

    LogList(int width, int height, bool columns = true)
        : log(&view, "", logList.Set(EKey::Width, width).Set(EKey::Height, height).Set(EKey::ExStyle, WS_EX_CLIENTEDGE)
                             .Set(EKey::Style, LVS_REPORT | LVS_SINGLESEL)),
          parent(view.Handle()), list(log.Handle())
    {
        SendMessageA(list, LVM_SETBKCOLOR, 0, RGB(255, 255, 255));
        SendMessageA(list, LVM_SETTEXTCOLOR, 0, RGB(0, 0, 0));
        const EListColumn logColumns[] = {{"Operation", 80, 0}, {"Source", 300, 0}, {"Destination", 200, 0}};
        if (columns)
            log.InsertColumns(3, logColumns);
        RedrawWindow(parent, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
};

// A 32-bit memory canvas to paint into and read back.
struct Canvas {
    EBitmap bitmap;
    EMemoryDC dc;
    Canvas(int width, int height) : bitmap(CreateBitmap(width, height, 1, 32, nullptr)) { dc.Select(bitmap.Bitmap()); }
    COLORREF At(int x, int y) const { return GetPixel(dc.Handle(), x, y); }
};

// Sends the parent the WM_DRAWITEM the system would send for control,
// painting into canvas: the way a paint goes through the framework.
inline void DrawThroughParent(HWND parent, HWND control, UINT type, UINT item, UINT state, const RECT& rect,
                              Canvas& canvas)
{
    DRAWITEMSTRUCT draw = {};
    draw.CtlType = type;
    draw.itemID = item;
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = state;
    draw.hwndItem = control;
    draw.hDC = canvas.dc.Handle();
    draw.rcItem = rect;
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
