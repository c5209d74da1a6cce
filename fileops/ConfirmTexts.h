#ifndef OMBREL_CONFIRMTEXTS_H
#define OMBREL_CONFIRMTEXTS_H

#include <windows.h>

#include <cstddef>
#include <string>

// The texts of the file confirmations, in the interface language, with the
// files' real names whatever the code page. Paths are full paths as a user
// writes them (or in the long form); their attributes, sizes and times are
// read through LongPath, so names ending in a dot or a space and paths of
// any length work. Only a path's last component is ever shown.

// For FileTimeText's buffer.
enum { EConfirmTextSize = 1024 };

// "This folder already contains ... '%s'.", chosen by the existing file's
// attributes: system before read-only.
std::wstring ReplaceMessage(const std::wstring& existingFile);
// The question before deleting a file: read-only, then program, then
// system, else the plain question. toBin asks to move it to the Recycle Bin.
std::wstring FileDeleteMessage(const std::wstring& path, bool toBin = false);
std::wstring FolderDeleteMessage(const std::wstring& path, bool toBin = false);

// The size line and the local write time of a file, for the replace
// details: "1.5KB (1536 bytes)\n" and the date and time. Sizes are 64-bit.
// A file that cannot be found gives a line saying so, and 0.
int FileSizeText(std::wstring& out, const std::wstring& path);
// A UTC file time as the system's short date, a space and its time, in at
// most size bytes (size > 0). An unconvertible time gives an empty text
// and 0.
int FileTimeText(const FILETIME& time, char* out, std::size_t size);

// text in the ANSI code page, for a control that cannot take wide text:
// '?' for each character the code page cannot show, never a look-alike
// that could be taken for another file's name.
std::string ShownInCodePage(const std::wstring& text);

#endif
