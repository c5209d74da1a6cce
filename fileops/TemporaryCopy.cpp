#include "TemporaryCopy.h"

#include <cstdio>
#include <cstring>

namespace {

// What a copy keeps of the source's attributes, as a plain copy does.
const DWORD KeptAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                             FILE_ATTRIBUTE_ARCHIVE;
// On the stack of whichever thread copies, so that no buffer outlives a copy.
const std::size_t ChunkSize = 64 * 1024;

// A name beside the destination for the copy in progress. Where the usual
// name would pass the length limit a shorter one is cut to fit, so that
// every destination that fits can be written.
int TemporaryPath(char* temporary, const char* folder, unsigned serial)
{
    char name[32];
    std::snprintf(name, sizeof name, "~omb%lX-%X.tmp", GetCurrentProcessId(), serial);
    if (JoinPath(temporary, folder, name))
        return 1;
    std::size_t length = static_cast<std::size_t>(std::snprintf(name, sizeof name, "~%X", serial));
    while (length > 0 && !JoinPath(temporary, folder, name))
        name[--length] = '\0';
    return length > 0;
}

// A zero time is left as it is.
int SetBasicInfo(HANDLE file, LARGE_INTEGER writeTime, DWORD attributes)
{
    FILE_BASIC_INFO info{};
    info.LastWriteTime = writeTime;
    info.FileAttributes = attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
    return SetFileInformationByHandle(file, FileBasicInfo, &info, sizeof info) != 0;
}

}

TemporaryCopy& TemporaryCopy::operator=(TemporaryCopy&& other)
{
    if (this != &other) {
        Discard();
        file = other.file;
        attributes = other.attributes;
        error = other.error;
        std::memcpy(destination, other.destination, sizeof destination);
        std::memcpy(temporary, other.temporary, sizeof temporary);
        other.file = INVALID_HANDLE_VALUE;
    }
    return *this;
}

int TemporaryCopy::Write(const char* source, const char* target, const volatile LONG* cancel)
{
    Discard();
    error = 0;
    if (std::strlen(target) >= sizeof destination) {
        error = ERROR_FILENAME_EXCED_RANGE;
        return 0;
    }
    std::strcpy(destination, target);
    if (cancel && *cancel) {
        error = ERROR_CANCELLED;
        return 0;
    }
    HANDLE from = CreateFileA(source, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (from == INVALID_HANDLE_VALUE) {
        error = GetLastError();
        return 0;
    }
    // Not GetFileInformationByHandle: it also asks for the volume, which
    // Wine answers through its mount manager, several round trips away.
    FILE_BASIC_INFO info;
    int done = GetFileInformationByHandleEx(from, FileBasicInfo, &info, sizeof info) ? 1 : 0;
    if (!done)
        error = GetLastError();
    done = done && CreateBeside() && Fill(from, cancel);
    CloseHandle(from);
    if (done) {
        attributes = info.FileAttributes & KeptAttributes;
        if (!SetBasicInfo(file, info.LastWriteTime, attributes)) {
            error = GetLastError();
            attributes = FILE_ATTRIBUTE_NORMAL;
            done = 0;
        }
    }
    if (!done)
        Discard();
    return done;
}

// Opens a new file beside the destination, under a name that no file holds
// (it is created, never overwritten).
int TemporaryCopy::CreateBeside()
{
    char folder[EPathSize];
    char name[EPathSize];
    SplitPath(folder, name, destination);
    static volatile LONG serial;
    error = ERROR_FILENAME_EXCED_RANGE;
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (!TemporaryPath(temporary, folder, static_cast<unsigned>(InterlockedIncrement(&serial))))
            return 0;
        file = CreateFileA(temporary, GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            attributes = FILE_ATTRIBUTE_NORMAL;
            error = 0;
            return 1;
        }
        error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            return 0;
    }
    return 0;
}

int TemporaryCopy::Fill(HANDLE from, const volatile LONG* cancel)
{
    char buffer[ChunkSize];
    for (;;) {
        if (cancel && *cancel) {
            error = ERROR_CANCELLED;
            return 0;
        }
        DWORD got = 0;
        if (!ReadFile(from, buffer, sizeof buffer, &got, nullptr)) {
            error = GetLastError();
            return 0;
        }
        if (got == 0)
            return 1;
        DWORD put = 0;
        if (!WriteFile(file, buffer, got, &put, nullptr)) {
            error = GetLastError();
            return 0;
        }
        if (put != got) {
            error = ERROR_DISK_FULL;
            return 0;
        }
    }
}

int TemporaryCopy::Commit(bool replace)
{
    if (file == INVALID_HANDLE_VALUE) {
        error = ERROR_INVALID_HANDLE;
        return 0;
    }
    union {
        FILE_RENAME_INFO info;
        char bytes[sizeof(FILE_RENAME_INFO) + EPathSize * sizeof(WCHAR)];
    } rename{};
    int length = MultiByteToWideChar(CP_ACP, 0, destination, -1, rename.info.FileName, EPathSize);
    if (length <= 0) {
        error = GetLastError();
        Discard();
        return 0;
    }
    rename.info.ReplaceIfExists = replace ? TRUE : FALSE;
    rename.info.RootDirectory = nullptr;
    rename.info.FileNameLength = static_cast<DWORD>((length - 1) * sizeof(WCHAR));
    if (!SetFileInformationByHandle(file, FileRenameInfo, &rename, sizeof rename)) {
        error = GetLastError();
        Discard();
        return 0;
    }
    CloseHandle(file);
    file = INVALID_HANDLE_VALUE;
    return 1;
}

void TemporaryCopy::Discard()
{
    if (file == INVALID_HANDLE_VALUE)
        return;
    // A read-only file cannot be marked for deletion.
    if (attributes & FILE_ATTRIBUTE_READONLY)
        SetBasicInfo(file, LARGE_INTEGER{}, FILE_ATTRIBUTE_NORMAL);
    FILE_DISPOSITION_INFO disposition{TRUE};
    bool marked = SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition) != 0;
    CloseHandle(file);
    file = INVALID_HANDLE_VALUE;
    if (!marked) {
        SetFileAttributesA(temporary, FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(temporary);
    }
}
