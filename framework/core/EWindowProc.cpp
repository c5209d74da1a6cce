#include "EWindowProc.h"

LRESULT CALLBACK EWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Destroying a parentless framework window ends the message loop.
    if (message == WM_DESTROY && !GetParent(handle))
        PostQuitMessage(0);
    return DefWindowProcA(handle, message, wParam, lParam);
}
