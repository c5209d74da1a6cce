#ifndef OMBREL_FILETREES_H
#define OMBREL_FILETREES_H

#include <string>

class ErrorSink;

// What a tree operation did, counting completed actions only (a preview
// counts what it would do).
struct OperationCounts {
    // Files the destination lacked, and files it held in another version.
    int copied = 0;
    int replaced = 0;
    int deleted = 0;
    int removedFolders = 0;
    int createdFolders = 0;
    // Left alone on the user's answer, or because the Recycle Bin could not
    // take them and the user would not have them deleted for good.
    int skipped = 0;
    // Destination files newer than their source, kept.
    int newer = 0;
    // The data of the files copied and replaced.
    unsigned long long bytes = 0;
};

// Disposes of a file a tree operation removes: deletes it for good, or
// moves it to the Recycle Bin. 1 it is gone, 0 the walk stops (told), -1
// it stays and the walk goes on.
class FileDisposal {
public:
    virtual int Dispose(const std::wstring& path) = 0;

protected:
    ~FileDisposal() = default;
};

// Creates every missing folder of path (a full path in any form) from the
// top down. Returns 0 without a message when path or a prefix of it is a
// file, or when it has no component below its root. counts may be nullptr.
int CreatePath(ErrorSink& errors, const std::wstring& path, OperationCounts* counts = nullptr);

// Removes a file, or a folder with all it holds (attributes cleared first).
// A link is removed itself, never descended into, or the walk stops where
// that cannot be done safely. With spareObj, files ending in ".obj" stay, and
// so do the folders that still hold them. Stops at the first failure, after
// its message. counts may be nullptr. Files go through disposal when given;
// a folder whose file stays stays too.
int DeleteTree(ErrorSink& errors, const std::wstring& path, OperationCounts* counts = nullptr, bool spareObj = false,
               FileDisposal* disposal = nullptr);
// What DeleteTree would remove, counted into counts (files and folders,
// the folder itself included) without touching anything; with spareObj as
// there. *files gets every file the tree holds; *links, when given, is set
// if the tree holds a link.
void CountTree(const std::wstring& path, OperationCounts& counts, bool spareObj, int* files, bool* links = nullptr);

#endif
