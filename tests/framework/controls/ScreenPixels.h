#ifndef OMBREL_SCREENPIXELS_H
#define OMBREL_SCREENPIXELS_H

#include <windows.h>

#include <vector>

// The pixels of a window's client rect as they are on screen, read back
// through a DIB, row by row.
std::vector<DWORD> ScreenPixels(HWND window, const RECT& rect);

// The same after the whole window, frame and children included, has been
// painted again from scratch.
std::vector<DWORD> RepaintedPixels(HWND window, const RECT& rect);

// A list view's rows below its header, in client coordinates.
RECT ListRowsArea(HWND list);

#endif
