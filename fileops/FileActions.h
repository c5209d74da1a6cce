#ifndef OMBREL_FILEACTIONS_H
#define OMBREL_FILEACTIONS_H

#include <windows.h>

class TemporaryCopy;

// Each action tells the user of its own failure in an ErrorBox owned by
// owner and returns 0; 1 on success.

// Copies data, attributes and times. The copy is written under a temporary
// name beside the destination and moved into place only when complete; a
// failed copy leaves the old destination untouched and no partial file.
int CopyFileWithReport(HWND owner, const char* source, const char* destination, BOOL failIfExists);
// The same for a caller that has just listed the destination's folder and
// so knows whether the destination exists. A destination said to be absent
// is created new and never overwritten.
int CopyFileOver(HWND owner, const char* source, const char* destination, bool destinationExists);
// Moves a copy written earlier into place. A copy whose writing failed is
// reported as that failure; nothing is moved then.
int CommitCopyWithReport(HWND owner, TemporaryCopy& copy, const char* source, const char* destination,
                         bool destinationExists);
int SetAttributesWithReport(HWND owner, const char* path, DWORD attributes);
// Deletes the entry at path, with its read-only, hidden and system flags
// cleared first when clearAttributes is set. A link goes by itself or, where
// that would reach its target, stays and the failure is reported. Success
// only when the entry itself is gone.
int DeleteFileWithReport(HWND owner, const char* path, bool clearAttributes = false);
// One level only: a missing parent fails.
int CreateFolderWithReport(HWND owner, const char* path, LPSECURITY_ATTRIBUTES security);
int RemoveFolderWithReport(HWND owner, const char* path);

// Dispatches at most one pending message of this thread. After a look that
// found the queue empty, calls within the next EPumpQuietMs milliseconds
// do not look again.
enum { EPumpQuietMs = 10 };
void PumpOneMessage();

#endif
