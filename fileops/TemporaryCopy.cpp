#include "TemporaryCopy.h"

#include "WidePath.h"

#include <cwchar>
#include <memory>
#include <new>
#include <vector>

namespace {

// What a copy keeps of the source's attributes, as a plain copy does.
const DWORD KeptAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                             FILE_ATTRIBUTE_ARCHIVE;
// The first chunk is read on the stack of whichever thread copies, so that
// a small file costs no allocation; a larger one goes on in large chunks,
// which take a quarter of the time in calls under Wine.
const std::size_t ChunkSize = 64 * 1024;
const std::size_t LargeChunkSize = 1024 * 1024;

const wchar_t TemporaryStart[] = L"~omb";
const wchar_t TemporaryEnd[] = L".tmp";

// A name beside the destination for the copy in progress: the process and
// a serial, so that two runs never pick the same one.
std::wstring TemporaryPath(const std::wstring& destination, unsigned serial)
{
    wchar_t name[40];
    std::swprintf(name, 40, L"%ls%lX-%X%ls", TemporaryStart, GetCurrentProcessId(), serial, TemporaryEnd);
    std::size_t last = destination.find_last_of(L'\\');
    return destination.substr(0, last == std::wstring::npos ? 0 : last + 1) + name;
}

bool IsHex(wchar_t c)
{
    return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F');
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
        file = std::move(other.file);
        attributes = other.attributes;
        error = other.error;
        destination = std::move(other.destination);
        temporary = std::move(other.temporary);
    }
    return *this;
}

int TemporaryCopy::Write(const std::wstring& source, const std::wstring& target, const volatile LONG* cancel)
{
    Discard();
    error = 0;
    sourceFault = true;
    destination = LongPath(target);
    if (cancel && *cancel) {
        error = ERROR_CANCELLED;
        return 0;
    }
    EFileHandle from(CreateFileW(LongPath(source).c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                 FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!from.Valid()) {
        error = GetLastError();
        return 0;
    }
    // Not GetFileInformationByHandle: it also asks for the volume, which
    // Wine answers through its mount manager, several round trips away.
    FILE_BASIC_INFO info;
    int done = GetFileInformationByHandleEx(from.Get(), FileBasicInfo, &info, sizeof info) ? 1 : 0;
    if (!done)
        error = GetLastError();
    sourceFault = !done;
    done = done && CreateBeside() && Fill(from.Get(), cancel);
    from.Reset();
    if (done) {
        attributes = info.FileAttributes & KeptAttributes;
        if (!SetBasicInfo(file.Get(), info.LastWriteTime, attributes)) {
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
    static volatile LONG serial;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = TemporaryPath(destination, static_cast<unsigned>(InterlockedIncrement(&serial)));
        file.Reset(CreateFileW(temporary.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.Valid()) {
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
    char first[ChunkSize];
    char* buffer = first;
    DWORD size = ChunkSize;
    std::unique_ptr<char[]> large;
    for (;;) {
        if (cancel && *cancel) {
            error = ERROR_CANCELLED;
            return 0;
        }
        DWORD got = 0;
        if (!ReadFile(from, buffer, size, &got, nullptr)) {
            error = GetLastError();
            sourceFault = true;
            return 0;
        }
        if (got == 0)
            return 1;
        DWORD put = 0;
        if (!WriteFile(file.Get(), buffer, got, &put, nullptr)) {
            error = GetLastError();
            return 0;
        }
        if (put != got) {
            error = ERROR_DISK_FULL;
            return 0;
        }
        if (got == size && !large) {
            large.reset(new (std::nothrow) char[LargeChunkSize]);
            if (large) {
                buffer = large.get();
                size = LargeChunkSize;
            }
        }
    }
}

int TemporaryCopy::Commit(bool replace)
{
    if (!file.Valid()) {
        error = ERROR_INVALID_HANDLE;
        return 0;
    }
    // The target goes in after the structure's own first character.
    std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + (destination.size() + 1) * sizeof(WCHAR));
    FILE_RENAME_INFO& info = *reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    std::wmemcpy(info.FileName, destination.c_str(), destination.size() + 1);
    info.ReplaceIfExists = replace ? TRUE : FALSE;
    info.RootDirectory = nullptr;
    info.FileNameLength = static_cast<DWORD>(destination.size() * sizeof(WCHAR));
    if (!SetFileInformationByHandle(file.Get(), FileRenameInfo, &info, static_cast<DWORD>(buffer.size()))) {
        error = GetLastError();
        Discard();
        return 0;
    }
    file.Reset();
    return 1;
}

void TemporaryCopy::Discard()
{
    if (!file.Valid())
        return;
    // A read-only file cannot be marked for deletion.
    if (attributes & FILE_ATTRIBUTE_READONLY)
        SetBasicInfo(file.Get(), LARGE_INTEGER{}, FILE_ATTRIBUTE_NORMAL);
    FILE_DISPOSITION_INFO disposition{TRUE};
    bool marked = SetFileInformationByHandle(file.Get(), FileDispositionInfo, &disposition, sizeof disposition) != 0;
    file.Reset();
    if (!marked) {
        SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(temporary.c_str());
    }
}

namespace {

// ~omb<process>-<serial> and the ending, both numbers in upper-case hex.
bool IsOwnName(const std::wstring& name, const wchar_t* ending)
{
    std::size_t start = std::wcslen(TemporaryStart);
    std::size_t end = std::wcslen(ending);
    if (name.size() <= start + end || name.compare(0, start, TemporaryStart) != 0 ||
        name.compare(name.size() - end, end, ending) != 0)
        return false;
    std::wstring middle = name.substr(start, name.size() - start - end);
    std::size_t dash = middle.find(L'-');
    if (dash == 0 || dash == std::wstring::npos || dash + 1 == middle.size())
        return false;
    for (std::size_t i = 0; i < middle.size(); ++i) {
        if (i != dash && !IsHex(middle[i]))
            return false;
    }
    return true;
}

}

bool IsOwnTemporary(const std::wstring& name)
{
    return IsOwnName(name, TemporaryEnd);
}

bool IsKeptName(const std::wstring& name)
{
    return IsOwnName(name, L".kept");
}

bool CanWriteBeside(const std::wstring& destination)
{
    TemporaryCopy probe;
    probe.destination = LongPath(destination);
    if (!probe.CreateBeside())
        return false;
    probe.Discard();
    return true;
}
