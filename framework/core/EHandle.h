#ifndef OMBREL_EHANDLE_H
#define OMBREL_EHANDLE_H

#include <windows.h>

// Owns one system handle and closes it once, on every way out of a scope.
// Not copyable; movable. Both null and INVALID_HANDLE_VALUE mean "none",
// whichever the call that made the handle returns on failure, and "none" is
// never closed.
template <BOOL(WINAPI* Close_)(HANDLE)>
class EHandle {
public:
    EHandle() = default;
    explicit EHandle(HANDLE handle) : handle(handle) {}
    EHandle(EHandle&& other) noexcept : handle(other.Release()) {}
    EHandle& operator=(EHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    EHandle(const EHandle&) = delete;
    EHandle& operator=(const EHandle&) = delete;
    ~EHandle() { Reset(); }

    bool Valid() const { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle; }
    // Gives the handle up without closing it.
    HANDLE Release()
    {
        HANDLE kept = handle;
        handle = INVALID_HANDLE_VALUE;
        return kept;
    }
    // Closes the handle held, if any; false when closing failed (for a
    // file written to, the data may not have reached the disk).
    bool Close()
    {
        bool closed = !Valid() || Close_(handle) != FALSE;
        handle = INVALID_HANDLE_VALUE;
        return closed;
    }
    // Closes the handle held, if any, and holds another.
    void Reset(HANDLE other = INVALID_HANDLE_VALUE)
    {
        if (Valid())
            Close_(handle);
        handle = other;
    }

private:
    HANDLE handle = INVALID_HANDLE_VALUE;
};

// Files, events, mutexes and threads: every handle that CloseHandle closes.
typedef EHandle<CloseHandle> EFileHandle;
typedef EHandle<CloseHandle> EEventHandle;
typedef EHandle<CloseHandle> EMutexHandle;
typedef EHandle<CloseHandle> EThreadHandle;
// Directory searches (FindFirstFile and the like).
typedef EHandle<FindClose> ESearchHandle;

#endif
