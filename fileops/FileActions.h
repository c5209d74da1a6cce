#ifndef OMBREL_FILEACTIONS_H
#define OMBREL_FILEACTIONS_H

#include <windows.h>

// Each action tells the user of its own failure in an ErrorBox owned by
// owner and returns 0; 1 on success.

// Copies data, attributes and times. A file that is replaced is first copied
// to a temporary name beside it and moved into place only when complete; a
// failed copy leaves the old destination untouched and no partial file.
int CopyFileWithReport(HWND owner, const char* source, const char* destination, BOOL failIfExists);
int SetAttributesWithReport(HWND owner, const char* path, DWORD attributes);
int DeleteFileWithReport(HWND owner, const char* path);
// One level only: a missing parent fails.
int CreateFolderWithReport(HWND owner, const char* path, LPSECURITY_ATTRIBUTES security);
int RemoveFolderWithReport(HWND owner, const char* path);

// Dispatches at most one pending message of this thread.
void PumpOneMessage();

#endif
