#ifndef OMBREL_EWINDOWPROC_H
#define OMBREL_EWINDOWPROC_H

#include <windows.h>

// The window procedure of every class the framework registers.
LRESULT CALLBACK EWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

#endif
