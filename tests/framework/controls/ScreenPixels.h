#ifndef OMBREL_SCREENPIXELS_H
#define OMBREL_SCREENPIXELS_H

#include <windows.h>

#include <vector>

// The pixels of a window as they are on screen, read back through a DIB,
// row by row: of rect in client coordinates, or, with frame, in window
// coordinates (scroll bars, edges).
std::vector<DWORD> ScreenPixels(HWND window, const RECT& rect, bool frame = false);

// The same after the whole window, frame and children included, has been
// painted again from scratch.
std::vector<DWORD> RepaintedPixels(HWND window, const RECT& rect, bool frame = false);

// A list view's rows below its header, in client coordinates.
RECT ListRowsArea(HWND list);

// A window's vertical scroll bar in window coordinates; empty when it has
// none showing.
RECT VerticalBarArea(HWND window);

#endif
