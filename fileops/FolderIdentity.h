#ifndef OMBREL_FOLDERIDENTITY_H
#define OMBREL_FOLDERIDENTITY_H

#include <string>

// One folder has many spellings (case, separators, "..", short names, the
// \\?\ form, links, other drive letters reaching the same place). These
// decide by what the folder is: its volume serial number and file index.
// Paths may be in any full form.

struct FolderId {
    unsigned long volume = 0;
    unsigned long indexHigh = 0;
    unsigned long indexLow = 0;
};

// Reads the identity of an existing file or folder: of what a link points
// to, or with linkItself of the link itself where the platform tells them
// apart.
int ReadFolderId(const std::wstring& path, FolderId* id, bool linkItself = false);
bool operator==(const FolderId& a, const FolderId& b);

// The path in the \\?\ form with ".", ".." and doubled or trailing
// separators resolved; empty when it cannot be made.
std::wstring NormalPath(const std::wstring& path);

// 1 when inner is the folder outer or lies somewhere below it, by name or by
// identity; inner need not exist yet (its nearest existing ancestor counts).
int IsSameOrInside(const std::wstring& inner, const std::wstring& outer);

// 1 when the entry at path is a link, to a folder or to a file. Wine lists a
// link to a file as a plain file; opened, it resolves to a path other than
// its own folder's joined with its own name, and that is what gives it away.
int IsLinkAt(const std::wstring& path);

// 1 when removing the link at path removes the link alone. Where the platform
// opens a link as the folder it points to (Wine), removing it would remove
// that folder instead, so it must be left alone.
int CanRemoveLinkItself(const std::wstring& path);

#endif
