#include "LogList.h"

#include <commctrl.h>

#include "EListRows.h"
#include "TestWindow.h"

namespace {

LRESULT CALLBACK ParentProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DRAWITEM) {
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        EListDrawRow(item->hwndItem, *item);
        return TRUE;
    }
    return DefWindowProcA(handle, message, wParam, lParam);
}

const char* ParentClass()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    return RegisterTestClass("OmbrelLogParent", ParentProc);
}

}

LogList::LogList(int width, int height)
{
    parent = CreateWindowExA(0, ParentClass(), "log", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, width + 40,
                             height + 60, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                           WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_OWNERDRAWFIXED, 0, 0, width, height,
                           parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

LogList::~LogList()
{
    DestroyWindow(parent);
}
