#ifndef OMBREL_RECYCLEBIN_H
#define OMBREL_RECYCLEBIN_H

#include <string>

class ErrorSink;

// Where a file went when the Recycle Bin was asked to take it.
enum class Binned { Yes, Refused, Failed };

// Moves the file at path (a full path in any form, never a link: the caller
// has checked) to the Recycle Bin, keeping its attributes.
// Yes: it is gone from its place and the bin holds it, which is checked after
// the shell's call, never taken from its answer.
// Refused: the bin could not take it (no bin on that drive, no second name
// possible for the file there, a path or name the shell would rewrite, a bin
// on another file system, the shell deleted it for good and it was put back)
// and the file is in its place, whole and unchanged; nothing is told. A bin
// on another file system may keep a copy all the same.
// Failed: told to errors (in use, access denied, or the file could not be
// put back, in which case the message names where it is kept).
Binned RecycleFile(ErrorSink& errors, const std::wstring& path);
// The same for a folder and all it holds, a tree without links and with at
// least one file: Yes only when the bin took every file in it by its name;
// Refused leaves every file of the tree in place, put back where the shell
// deleted the tree (or part of it) for good.
Binned RecycleFolder(ErrorSink& errors, const std::wstring& folder);

#endif
