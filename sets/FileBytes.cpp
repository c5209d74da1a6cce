#include "FileBytes.h"

#include <windows.h>

#include <cstring>

#include "EFlags.h"
#include "EHandle.h"

namespace {

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

FileFacts FactsOf(const FILETIME& written, DWORD sizeHigh, DWORD sizeLow)
{
    FileFacts facts;
    facts.written = static_cast<unsigned long long>(written.dwHighDateTime) << 32 | written.dwLowDateTime;
    facts.size = static_cast<unsigned long long>(sizeHigh) << 32 | sizeLow;
    return facts;
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

FileReadResult ReadFileBytes(const char* path, std::string& bytes, std::size_t limit, FileFacts* facts)
{
    bytes.clear();
    if (NamesDevice(path)) {
        SetLastError(ERROR_BAD_DEVICE);
        return FileReadResult::Unopenable;
    }
    EFileHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    if (!file.Valid()) {
        DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return FileReadResult::Missing;
        // Held by another program, say: what the folder tells of it.
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (facts && GetFileAttributesExA(path, GetFileExInfoStandard, &data))
            *facts = FactsOf(data.ftLastWriteTime, data.nFileSizeHigh, data.nFileSizeLow);
        SetLastError(error);
        return FileReadResult::Unopenable;
    }
    if (GetFileType(file.Get()) != FILE_TYPE_DISK) {
        SetLastError(ERROR_BAD_DEVICE);
        return FileReadResult::Unopenable;
    }
    BY_HANDLE_FILE_INFORMATION information;
    if (facts && GetFileInformationByHandle(file.Get(), &information))
        *facts = FactsOf(information.ftLastWriteTime, information.nFileSizeHigh, information.nFileSizeLow);
    char chunk[65536];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr))
            return FileReadResult::Partial;
        if (read == 0)
            return FileReadResult::Complete;
        if (bytes.size() + read > limit) {
            bytes.append(chunk, limit - bytes.size());
            SetLastError(ERROR_FILE_TOO_LARGE);
            return FileReadResult::Partial;
        }
        bytes.append(chunk, read);
    }
}

int WriteFileSafely(const char* path, const std::string& bytes, bool replace)
{
    char folder[MAX_PATH];
    char temporary[MAX_PATH];
    if (NamesDevice(path)) {
        SetLastError(ERROR_BAD_DEVICE);
        return 0;
    }
    if (!FolderOf(path, folder)) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return 0;
    }
    if (!GetTempFileNameA(folder, "omb", 0, temporary))
        return 0;
    EFileHandle file(CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    bool written = file.Valid() && WriteAll(file.Get(), bytes);
    DWORD error = written ? ERROR_SUCCESS : GetLastError();
    written = file.Close() && written;
    DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    if (written && MoveFileExA(temporary, path, flags))
        return 1;
    if (error == ERROR_SUCCESS)
        error = GetLastError();
    DeleteFileA(temporary);
    SetLastError(error);
    return 0;
}

int FinalPathOf(const char* path, std::string& final)
{
    final = path;
    // No access asked: only the name is wanted, so a file held by another
    // program still answers.
    EFileHandle file(CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.Valid())
        return 1;
    wchar_t wide[MAX_PATH + 8];
    DWORD length = GetFinalPathNameByHandleW(file.Get(), wide, MAX_PATH + 8, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0)
        return 1;   // not told: the name as given, as before
    if (length >= MAX_PATH + 8)
        return 0;
    // "\\?\C:\..." and "\\?\UNC\server\share\..." as the ANSI calls take them.
    std::wstring name(wide, length);
    if (name.compare(0, 8, L"\\\\?\\UNC\\") == 0)
        name = L"\\\\" + name.substr(8);
    else if (name.compare(0, 4, L"\\\\?\\") == 0)
        name = name.substr(4);
    // Every character must come through as itself: a best-fit or default
    // character would name another file.
    BOOL usedDefault = FALSE;
    UINT codePage = GetACP();
    BOOL* check = codePage == CP_UTF8 ? nullptr : &usedDefault;
    char narrow[MAX_PATH];
    int bytes = WideCharToMultiByte(CP_ACP, codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS, name.c_str(),
                                    static_cast<int>(name.size()), narrow, sizeof narrow - 1, nullptr, check);
    if (bytes <= 0 || usedDefault)
        return 0;
    final.assign(narrow, bytes);
    return 1;
}
