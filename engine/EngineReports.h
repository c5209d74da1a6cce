#ifndef OMBREL_ENGINEREPORTS_H
#define OMBREL_ENGINEREPORTS_H

#include <windows.h>

#include <string>

class ErrorSink;

// Messages of a run that the file primitives do not give themselves. Paths
// may be in any full form; they are shown as a user writes them.

// A folder of the set holds bytes that the code page does not define.
void ReportUndefinedText(ErrorSink& errors, const char* path);
void ReportNotFullPath(ErrorSink& errors, const std::wstring& path);
void ReportNestedFolders(ErrorSink& errors, const std::wstring& source, const std::wstring& destination);
// A link inside the destination would write outside of it.
void ReportDestinationLink(ErrorSink& errors, const std::wstring& link);
// A link in the source leads back to a folder that holds it, or to the
// destination or one of its parents.
void ReportSourceLink(ErrorSink& errors, const std::wstring& link);
// The delete pass found a source folder gone (code: file or path not found,
// or 0 when a file stands there) or unreadable (any other code).
void ReportSourceMissing(ErrorSink& errors, const std::wstring& folder, DWORD code);
// A file stands where the run must make a folder.
void ReportFileInTheWay(ErrorSink& errors, const std::wstring& path);
// The new copy could not take the place of a file whose old version has
// gone to the Recycle Bin already.
void ReportOldVersionInBin(ErrorSink& errors, const std::wstring& path);

#endif
