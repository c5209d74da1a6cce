#ifndef OMBREL_RUNGUARDS_H
#define OMBREL_RUNGUARDS_H

#include <windows.h>

// 1 when a run between the two folders may start: both are full paths and
// neither is the other nor lies inside it. Otherwise shows why and returns 0,
// before anything on disk is touched. The destination need not exist yet.
int CheckSafeFolders(HWND owner, const char* source, const char* destination);

#endif
