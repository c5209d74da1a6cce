#ifndef OMBREL_LOGLIST_H
#define OMBREL_LOGLIST_H

#include <windows.h>

#include "EOwnerDrawListView.h"
#include "ViewFixture.h"

// The operation log as the main window sets it up (single selection,
// white, three columns unless told none), in a framework view that fires
// its drawing and cell requests.
struct LogList : ViewFixture {
    EAttributeList logList;
    EOwnerDrawListView log;
    HWND parent;
    HWND list;

    LogList(int width, int height, bool columns = true);
    LogList(const LogList&) = delete;
    LogList& operator=(const LogList&) = delete;
};

#endif
