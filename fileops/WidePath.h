#ifndef OMBREL_WIDEPATH_H
#define OMBREL_WIDEPATH_H

#include <string>
#include <vector>

// Paths of a run, in UTF-16 as the file system holds them. Below the two
// folders of a set every name is the file system's own and is never turned
// into ANSI text for a lookup, a comparison or an action.

// text in the ANSI code page, in wide form; false, with *wide empty, when it
// holds bytes the code page does not define.
bool WidenStrictly(const char* text, std::wstring* wide);
// The same for texts that are only shown: undefined bytes become U+FFFD.
std::wstring Widen(const char* text);
// The other way: false when the code page has no exact form of text (no
// best-fit look-alikes).
bool NarrowStrictly(const std::wstring& text, std::string* narrow);

// The form that path calls take at any length and with any name, trailing
// dots and spaces and device names included: \\?\D:\... or \\?\UNC\server\...
// path must be a full path; one in that form already is kept as it is.
std::wstring LongPath(const std::wstring& path);
// The path as a user writes it: the \\?\ form's prefix dropped.
std::wstring ShownPath(const std::wstring& path);

// The length of the root of a path in the \\?\ form, with its separator:
// \\?\D:\ or \\?\UNC\server\share\ (any other \\?\ volume: up to its first
// separator). 0 for a path that is not in that form.
std::size_t RootLength(const std::wstring& longPath);
// Cuts the last component off a path in the \\?\ form, never its root;
// false when only the root is left.
bool CutLastName(std::wstring* longPath);

// folder, a backslash unless folder ends with one, name.
std::wstring JoinName(const std::wstring& folder, const std::wstring& name);
// The part after the last backslash; the whole path without one.
std::wstring LastName(const std::wstring& path);
// Whether name ends with suffix, strictly longer, A-Z folded.
bool EndsWith(const std::wstring& name, const wchar_t* suffix);
// ".", ".." and, case ignored, "RECYCLER" and "RECYCLED".
bool IsSkippedEntry(const std::wstring& name);

// format in the ANSI code page (one of the program's texts) with each "%s"
// replaced by the next of args, which are shown as they are.
std::wstring FormatShown(const char* format, const std::vector<std::wstring>& args);

#endif
