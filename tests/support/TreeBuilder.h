#ifndef OMBREL_TREEBUILDER_H
#define OMBREL_TREEBUILDER_H

#include "CalendarTicks.h"

#include <string>

// Building and reading folder trees for tests. Paths are Windows paths.

// Creates the folder and any missing parents.
void MakeFolder(const std::string& path);
// Writes a file (parents created); sets its last-write time when ticks != 0.
void MakeFile(const std::string& path, const std::string& content, unsigned long long ticks = 0);
void SetWriteTicks(const std::string& path, unsigned long long ticks);
// 0 when the file cannot be opened.
unsigned long long WriteTicks(const std::string& path);
bool PathExists(const std::string& path);
bool IsFolderPath(const std::string& path);
// Whether a path or name is one of the temporary files a copy is written to
// before it takes its real name.
bool IsTemporaryCopyName(const std::string& path);
// path (in the code page) in wide \\?\ form, which reaches any name at any depth.
std::wstring LongForm(const std::string& path);
// A file of any name and depth (a full path), with its folders.
bool MakeFileW(const std::wstring& path, const std::string& content = std::string(), unsigned long long ticks = 0);
std::string ReadWholeFileW(const std::wstring& path);
// Text in UTF-8, as logs and snapshots hold names.
std::string Utf8Text(const std::wstring& text);
unsigned long FileAttributes(const std::string& path);

// The Linux path Wine maps a Windows path to.
std::string UnixPath(const std::string& windowsPath);
// The folder Wine's Recycle Bin moves files into (below $XDG_DATA_HOME),
// with its trailing separator; empty when that is not a Linux path.
std::string TrashFiles();
// A tag for names put in the trash, where a name taken already makes Wine
// pick another.
std::string TrashTag();
// Removes what the trash holds under names starting with prefix, and their
// records.
void EmptyTrashOf(const std::string& prefix);
// Runs a command with /bin/sh on the Linux side and waits (polling, at most
// timeoutMs) until it has ended. For what only Linux can make: links, mounts.
bool RunUnixShell(const std::string& command, unsigned long timeoutMs = 20000);

// A Linux symbolic link at linkPath to target (Windows paths), removed again
// with the object: Wine cannot remove a link without touching its target.
class TestLink {
public:
    TestLink(const std::string& target, const std::string& linkPath);
    ~TestLink();
    TestLink(const TestLink&) = delete;
    TestLink& operator=(const TestLink&) = delete;
    bool Made() const { return made; }

private:
    std::string unixLink;
    bool made;
};

// A small tmpfs mounted over an existing empty folder for the life of the
// object (needs root): a disk that fills up.
class SmallDisk {
public:
    SmallDisk(const std::string& folder, const std::string& size);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool Mounted() const { return mounted; }
    // Remounts it read-only: from then on nothing there can be written,
    // created or removed, not even by root.
    bool MakeReadOnly();

private:
    std::string unixFolder;
    bool mounted;
};

#endif
