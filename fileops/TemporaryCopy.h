#ifndef OMBREL_TEMPORARYCOPY_H
#define OMBREL_TEMPORARYCOPY_H

#include "EHandle.h"

#include <windows.h>

#include <string>

// A copy of a file written beside its destination under a name no user file
// holds, and moved into place only when complete: a copy that fails, or a
// run killed in the middle of one, never leaves a partial file under the
// destination's name, where its time would make it look up to date.
// The copy stays open until it is committed or discarded, so that moving it
// into place takes one request of the file system. Owns that open file: not
// copyable, but movable; whatever is neither committed nor discarded goes with it.
class TemporaryCopy {
public:
    TemporaryCopy() = default;
    TemporaryCopy(const TemporaryCopy&) = delete;
    TemporaryCopy& operator=(const TemporaryCopy&) = delete;
    // Takes over other's copy (other is left without one); discards its own first.
    TemporaryCopy& operator=(TemporaryCopy&& other);
    ~TemporaryCopy() { Discard(); }

    // Writes source's data, attributes and last write time to a new file
    // beside destination. 0 with Error() set on failure, nothing left behind.
    // A nonzero *cancel read between chunks gives up with ERROR_CANCELLED.
    // Paths may be in any full form; the \\?\ form is used for both.
    int Write(const std::wstring& source, const std::wstring& destination, const volatile LONG* cancel = nullptr);
    // Moves the copy to the destination's name, over a file there only when
    // replace is set. 0 with Error() set on failure; the copy is discarded.
    int Commit(bool replace);
    // Removes a copy not committed; nothing when there is none.
    void Discard();

    bool Written() const { return file.Valid(); }
    DWORD Error() const { return error; }
    // Whether Write failed on the source (opening or reading it), not on
    // the copy beside the destination.
    bool SourceFault() const { return sourceFault; }

private:
    friend bool CanWriteBeside(const std::wstring& destination);
    int CreateBeside();
    int Fill(HANDLE from, const volatile LONG* cancel);

    EFileHandle file;
    DWORD attributes = FILE_ATTRIBUTE_NORMAL;
    DWORD error = 0;
    bool sourceFault = false;
    std::wstring destination;
    std::wstring temporary;
};

// Whether a file name is that of a copy in progress: one that a run killed
// in the middle left behind, unless another run is writing it now.
bool IsOwnTemporary(const std::wstring& name);
// Whether a new file can be made beside destination (a full path in any
// form): one is made under a temporary copy's name and removed at once.
bool CanWriteBeside(const std::wstring& destination);
// Whether a name is one the Recycle Bin's check gives a file or folder
// beside it for a moment (~omb....kept). Left behind, it may hold the only
// copy of what went to the bin: runs neither copy nor delete it.
bool IsKeptName(const std::wstring& name);

#endif
