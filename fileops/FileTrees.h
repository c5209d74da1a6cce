#ifndef OMBREL_FILETREES_H
#define OMBREL_FILETREES_H

#include <string>

class ErrorSink;

// What a tree operation did, counting completed actions only.
struct OperationCounts {
    int copied = 0;
    int deleted = 0;
    int removedFolders = 0;
    int createdFolders = 0;
};

// Creates every missing folder of path (a full path in any form) from the
// top down. Returns 0 without a message when path or a prefix of it is a
// file, or when it has no component below its root. counts may be nullptr.
int CreatePath(ErrorSink& errors, const std::wstring& path, OperationCounts* counts = nullptr);

// Removes a file, or a folder with all it holds (attributes cleared first).
// A link is removed itself, never descended into, or the walk stops where
// that cannot be done safely. With spareObj, files ending in ".obj" stay, and
// so do the folders that still hold them. Stops at the first failure, after
// its message. counts may be nullptr.
int DeleteTree(ErrorSink& errors, const std::wstring& path, OperationCounts* counts = nullptr, bool spareObj = false);

#endif
