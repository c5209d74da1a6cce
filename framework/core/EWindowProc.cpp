#include "EWindowProc.h"

#include "EApplication.h"
#include "EMessage.h"
#include "EWindow.h"
#include "EWindowMap.h"

LRESULT CALLBACK EWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Messages sent while CreateWindowEx runs (WM_NCCREATE, WM_GETMINMAXINFO,
    // WM_CREATE) come before the wrapper is registered: default processing,
    // never a half-built wrapper.
    EWindow* wrapper = EApplication::windowMap ? EApplication::windowMap->Find(handle) : nullptr;
    if (!wrapper || wrapper->Handle() != handle || !IsWindow(handle))
        return DefWindowProcA(handle, message, wParam, lParam);

    EMessage m(message, wParam, lParam);
    LRESULT result = wrapper->HandleMessage(m);
    if (message == WM_DESTROY)
        EWindow::ForgetUnseenChildren(handle);
    else if (message == WM_NCDESTROY)
        EWindow::ForgetHandle(handle);
    return result;
}
