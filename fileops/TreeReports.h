#ifndef OMBREL_TREEREPORTS_H
#define OMBREL_TREEREPORTS_H

#include <windows.h>

#include <string>

class ErrorSink;
struct FolderEntry;

// Messages of the tree walks, each naming the folder where the walk stopped.
// Paths may be in any full form; they are shown as a user writes them.

// folder holds an entry that no path can name exactly (ExactNames.h).
void ReportUnusableName(ErrorSink& errors, const std::wstring& folder, const FolderEntry& entry);
// Two entries whose names differ only in letter case, where one could be
// taken for the other: in holder, or one each in holder and other.
void ReportCaseTwins(ErrorSink& errors, const std::wstring& holder, const std::wstring& name,
                     const std::wstring& other);
// folder could not be listed; code is the system's error.
void ReportUnreadableFolder(ErrorSink& errors, const std::wstring& folder, DWORD code);

// The link at path cannot be removed without risk to what it points to.
void ReportLinkKept(ErrorSink& errors, const std::wstring& path, bool folder);

// format (one of the program's texts) with each "%d" replaced by code.
std::string WithCode(const char* format, DWORD code);

#endif
