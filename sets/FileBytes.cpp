#include "FileBytes.h"

#include <windows.h>

#include <cstring>

#include "EFlags.h"

namespace {

// A handle closed on leaving scope.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool Valid() const { return handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle; }
    bool Close()
    {
        if (!Valid())
            return true;
        bool closed = CloseHandle(handle) != 0;
        handle = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle;
};

// The folder part of path ("." for a bare name), for a temporary file beside
// it. The second byte of a Shift-JIS pair may be a backslash ("ソ" is 83 5C).
bool FolderOf(const char* path, char (&folder)[MAX_PATH])
{
    const char* slash = nullptr;
    for (const char* p = path; *p; ++p) {
        if (EDoubleByte && EIsLeadByte(static_cast<unsigned char>(*p)) && p[1])
            ++p;
        else if (*p == '\\' || *p == '/')
            slash = p;
    }
    std::size_t length = slash ? static_cast<std::size_t>(slash - path) : 0;
    if (slash && length == 0)
        length = 1;   // the root of the current drive
    if (slash && length == 2 && path[1] == ':')
        length = 3;   // "C:\"
    if (length + 1 > sizeof folder)
        return false;
    if (!slash) {
        std::strcpy(folder, ".");
        return true;
    }
    std::memcpy(folder, path, length);
    folder[length] = '\0';
    return true;
}

// Device names (CON, NUL, COM1, also with a folder or an extension) open as
// files, but reading one can wait for ever and writing one sends the bytes
// away: a set file is only ever a file on a disk.
bool NamesDevice(const char* path)
{
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(path, sizeof full, full, nullptr);
    return length > 0 && length < sizeof full && std::strncmp(full, "\\\\.\\", 4) == 0;
}

bool WriteAll(HANDLE file, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(bytes.size() - done > 0x100000 ? 0x100000 : bytes.size() - done);
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return FlushFileBuffers(file) != 0;
}

}

FileReadResult ReadFileBytes(const char* path, std::string& bytes, std::size_t limit)
{
    bytes.clear();
    if (NamesDevice(path))
        return FileReadResult::Unopenable;
    FileHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    if (!file.Valid()) {
        DWORD error = GetLastError();
        bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return missing ? FileReadResult::Missing : FileReadResult::Unopenable;
    }
    if (GetFileType(file.Get()) != FILE_TYPE_DISK)
        return FileReadResult::Unopenable;
    char chunk[65536];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr))
            return FileReadResult::Partial;
        if (read == 0)
            return FileReadResult::Complete;
        if (bytes.size() + read > limit) {
            bytes.append(chunk, limit - bytes.size());
            return FileReadResult::Partial;
        }
        bytes.append(chunk, read);
    }
}

int WriteFileSafely(const char* path, const std::string& bytes)
{
    char folder[MAX_PATH];
    char temporary[MAX_PATH];
    if (NamesDevice(path) || !FolderOf(path, folder) || !GetTempFileNameA(folder, "omb", 0, temporary))
        return 0;
    FileHandle file(CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    bool written = file.Valid() && WriteAll(file.Get(), bytes);
    written = file.Close() && written;
    if (!written || !MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temporary);
        return 0;
    }
    return 1;
}
