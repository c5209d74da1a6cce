#ifndef OMBREL_TREEREPORTS_H
#define OMBREL_TREEREPORTS_H

#include <windows.h>

// Error boxes of the tree walks, each naming the folder where the walk stopped.

// A path below folder would not fit in a path buffer.
void ReportPathTooLong(HWND owner, const char* folder);
struct FolderEntry;

// folder holds an entry that no path can name exactly: the ANSI code page
// cannot show it, or path calls would take it for another (ExactNames.h).
void ReportUnusableName(HWND owner, const char* folder, const FolderEntry& entry);
// Two entries whose names differ only in letter case, where one could be
// taken for the other: in holder, or one each in holder and other.
void ReportCaseTwins(HWND owner, const char* holder, const char* name, const char* other);
// folder could not be listed; code is the system's error.
void ReportUnreadableFolder(HWND owner, const char* folder, DWORD code);

// The link at path cannot be removed without risk to what it points to.
void ReportLinkKept(HWND owner, const char* path, bool folder);

#endif
