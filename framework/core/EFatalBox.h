#ifndef OMBREL_EFATALBOX_H
#define OMBREL_EFATALBOX_H

#include <windows.h>

// A stop box under the caption "Fatal" (or its Japanese form) with a
// printf-style text, cut to 519 bytes. Returns MessageBoxA's result.
int EFatalBox(HWND owner, const char* format, ...);

#endif
