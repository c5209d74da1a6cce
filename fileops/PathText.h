#ifndef OMBREL_PATHTEXT_H
#define OMBREL_PATHTEXT_H

// Path and name text, free of window headers. Paths are 8-bit texts in the
// ANSI code page; with the double-byte flag on they are scanned character by
// character, so a trail byte of 0x5C is never taken for a backslash.

// Every path buffer holds this many bytes with the terminator.
enum { EPathSize = 260 };

// The character after the one at text (lead and trail byte as one).
const char* NextChar(const char* text);

// 1 when path is strictly longer than suffix and ends with it (A-Z folded).
int HasSuffix(const char* path, const char* suffix);
// 1 for ".", ".." and, case ignored, "RECYCLER" and "RECYCLED".
int IsSkippedName(const char* name);
// 1 when path is at least 5 bytes and ends with ".exe" or ".com".
int IsProgramFile(const char* path);
// The part after the last backslash or slash; the whole path without one.
const char* BaseName(const char* path);
// out := folder, a backslash unless folder is empty or ends with one, name.
// Returns 1; returns 0 with out empty when the result would not fit in
// EPathSize bytes.
int JoinPath(char* out, const char* folder, const char* name);
// Splits path (surrounding double quotes dropped) at its last separator into
// folder and name, each EPathSize bytes. 1 when it held a separator.
int SplitPath(char* folder, char* name, const char* path);
// 1 for a drive letter with a separator (D:\) or a network path (\\server).
int IsFullPath(const char* path);
// 1 when the name holds '?' or '*': the system's stand-in for a character
// the code page lacks, never a real name and a wildcard in a pattern.
int HasUnrepresentableChar(const char* name);
// Cuts the last component off a full path in place; 0 when none is left
// to cut (D:\ or \\server\share).
int CutLastComponent(char* path);

#endif
