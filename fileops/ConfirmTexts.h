#ifndef OMBREL_CONFIRMTEXTS_H
#define OMBREL_CONFIRMTEXTS_H

#include <windows.h>

#include <cstddef>

// The texts of the file confirmations, in the interface language. Each
// writes at most size bytes (size > 0) with the terminator; a longer text
// is cut, never overrun. Only a path's last component is ever shown.

// Big enough for every message with a name of a whole path buffer.
enum { EConfirmTextSize = 1024 };

// "This folder already contains ... '%s'.", chosen by the existing file's
// attributes: system before read-only.
void ReplaceMessage(char* out, std::size_t size, const char* existingFile);
// The question before deleting a file: read-only, then program, then
// system, else the plain question.
void FileDeleteMessage(char* out, std::size_t size, const char* path);
void FolderDeleteMessage(char* out, std::size_t size, const char* path);

// The size line and the local write time of a file, for the replace
// details: "1.5KB (1536 bytes)\n" and the date and time. Sizes are 64-bit.
// A file that cannot be found gives a line saying so, and 0.
int FileSizeText(char* out, std::size_t size, const char* path);
// A UTC file time as the system's short date, a space and its time. An
// unconvertible time gives an empty text and 0.
int FileTimeText(const FILETIME& time, char* out, std::size_t size);

#endif
