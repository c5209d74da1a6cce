#ifndef OMBREL_FILEACTIONS_H
#define OMBREL_FILEACTIONS_H

#include <windows.h>

#include <string>

class ErrorSink;
class TemporaryCopy;

// Each action tells errors of its own failure and returns 0; 1 on success.
// Paths may be in any full form: each action uses the \\?\ form, so that any
// name and any length reaches exactly the entry meant, and names paths in
// its messages as a user writes them.

// Copies data, attributes and times. The copy is written under a temporary
// name beside the destination and moved into place only when complete; a
// failed copy leaves the old destination untouched and no partial file.
int CopyFileWithReport(ErrorSink& errors, const std::wstring& source, const std::wstring& destination,
                       BOOL failIfExists);
// Moves a copy written earlier into place, over a file only when
// destinationExists (one that came meanwhile is never replaced). A copy
// whose writing failed is reported as that failure; nothing is moved then.
int CommitCopyWithReport(ErrorSink& errors, TemporaryCopy& copy, const std::wstring& source,
                         const std::wstring& destination, bool destinationExists);
int SetAttributesWithReport(ErrorSink& errors, const std::wstring& path, DWORD attributes);
// The flags that keep a file from being replaced or deleted.
const DWORD BlockingAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
// Deletes the entry at path, with its read-only, hidden and system flags
// cleared first when clearAttributes is set. A link goes by itself or, where
// that would reach its target, stays and the failure is reported. Success
// only when the entry itself is gone.
int DeleteFileWithReport(ErrorSink& errors, const std::wstring& path, bool clearAttributes = false);
// Removes a killed run's temporary copy, silently. A link of such a name is
// not ours and stays: Wine would delete what it points to.
void RemoveLeftover(const std::wstring& path);
// One level only: a missing parent fails.
int CreateFolderWithReport(ErrorSink& errors, const std::wstring& path);
int RemoveFolderWithReport(ErrorSink& errors, const std::wstring& path);

#endif
