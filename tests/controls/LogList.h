#ifndef OMBREL_LOGLIST_H
#define OMBREL_LOGLIST_H

#include <windows.h>

// An owner-drawn, single-selection report list in a parent window that
// paints its rows with EListDrawRow, as the operation log is set up.
struct LogList {
    HWND parent;
    HWND list;

    LogList(int width, int height);
    ~LogList();
    LogList(const LogList&) = delete;
    LogList& operator=(const LogList&) = delete;
};

#endif
