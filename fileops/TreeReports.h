#ifndef OMBREL_TREEREPORTS_H
#define OMBREL_TREEREPORTS_H

#include <windows.h>

// Error boxes of the tree walks, each naming the folder where the walk stopped.

// A path below folder would not fit in a path buffer.
void ReportPathTooLong(HWND owner, const char* folder);
// folder holds a name the ANSI code page cannot show.
void ReportUnrepresentableName(HWND owner, const char* folder);
// folder could not be listed; code is the system's error.
void ReportUnreadableFolder(HWND owner, const char* folder, DWORD code);

// The link at path cannot be removed without risk to what it points to.
void ReportLinkKept(HWND owner, const char* path);

#endif
