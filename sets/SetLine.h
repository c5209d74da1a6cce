#ifndef OMBREL_SETLINE_H
#define OMBREL_SETLINE_H

#include <cstddef>

struct CurrentSet;

// What a set-file value is: names lose '[' and ']' (a header's brackets),
// folders keep them, since a folder name may hold them.
enum class SetValueKind { Name, Folder };

// Cleans a value in place: ends it at the first CR or LF, drops every '"'
// (and '[' and ']' from names), and with the double-byte flag on copies a
// Shift-JIS lead byte and the byte after it unexamined. Returns the length.
std::size_t CleanSetValue(char* text, SetValueKind kind);

// Applies one line of a set file to the current set, cleaning values in
// place in the line. Returns 0 when a value did not fit its 260-byte field
// (a name is then cut at 259 bytes, a folder left empty), else 1.
int ParseSetLine(char* line, CurrentSet& current);

// True when a set of this name is written and read back under the same name:
// not empty, at most 259 bytes, and nothing the reader drops ('"', '[', ']',
// CR, LF). Asks the reader itself, so the two never disagree.
bool IsStorableName(const char* name);

#endif
