#ifndef OMBREL_ENGINEREPORTS_H
#define OMBREL_ENGINEREPORTS_H

#include <windows.h>

// Error boxes of a run that the file primitives do not show themselves.

void ReportNotFullPath(HWND owner, const char* path);
void ReportNestedFolders(HWND owner, const char* source, const char* destination);
// A link inside the destination would write outside of it.
void ReportDestinationLink(HWND owner, const char* link);
// A link in the source leads back to a folder that holds it, or to the
// destination or one of its parents.
void ReportSourceLink(HWND owner, const char* link);
// The delete pass found a source folder gone (code: file or path not found,
// or 0 when a file stands there) or unreadable (any other code).
void ReportSourceMissing(HWND owner, const char* folder, DWORD code);
// A file stands where the run must make a folder.
void ReportFileInTheWay(HWND owner, const char* path);

#endif
