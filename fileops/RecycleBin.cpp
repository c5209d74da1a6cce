#include "RecycleBin.h"

#include "BilingualText.h"
#include "EHandle.h"
#include "ErrorSink.h"
#include "ExactNames.h"
#include "FolderIndex.h"
#include "WidePath.h"

#include <windows.h>
#include <shellapi.h>

#include <cwchar>
#include <vector>

namespace {

// A device name with or without an extension, as Win32 paths read it.
bool IsDeviceName(const std::wstring& name)
{
    std::wstring base = name.substr(0, name.find(L'.'));
    while (!base.empty() && base.back() == L' ')
        base.pop_back();
    for (wchar_t& c : base) {
        if (c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - L'a' + L'A');
    }
    if (base == L"CON" || base == L"PRN" || base == L"AUX" || base == L"NUL" || base == L"CONIN$" ||
        base == L"CONOUT$")
        return true;
    return base.size() == 4 && (base.compare(0, 3, L"COM") == 0 || base.compare(0, 3, L"LPT") == 0) &&
           ((base[3] >= L'0' && base[3] <= L'9') || std::wcschr(L"\u00B9\u00B2\u00B3", base[3]));
}

// The path as the shell takes it: no \\?\ prefix, shorter than MAX_PATH, and
// no name that Win32 path parsing would rewrite or expand (a trailing dot or
// space is dropped, a device name reaches the device, a wildcard expands).
// False when there is none.
bool ShellForm(const std::wstring& path, std::wstring* shell)
{
    std::wstring full = LongPath(path);
    std::size_t root = RootLength(full);
    bool drive = root == 7 && full[5] == L':';
    if (!drive && full.compare(0, 8, L"\\\\?\\UNC\\") != 0)
        return false;
    for (std::size_t start = root; start < full.size();) {
        std::size_t end = full.find(L'\\', start);
        if (end == std::wstring::npos)
            end = full.size();
        std::wstring name = full.substr(start, end - start);
        if (!LongPathsReachName(name) || name.back() == L'.' || name.back() == L' ' || IsDeviceName(name))
            return false;
        start = end + 1;
    }
    *shell = ShownPath(full);
    return shell->size() < MAX_PATH && shell->back() != L'\\';
}

// The number of names the file at path has; 0 when it cannot be read.
DWORD LinkCount(const std::wstring& path)
{
    EFileHandle file(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                 FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    return file.Valid() && GetFileInformationByHandle(file.Get(), &info) ? info.nNumberOfLinks : 0;
}

// A second name beside target that no entry holds: a hard link to the file,
// or a new folder. Not a temporary copy's name (~omb....tmp): a run removes
// those as leftovers, and after a crash this one may be the only name left.
bool MakeBeside(const std::wstring& target, bool folder, std::wstring* made)
{
    static volatile LONG serial;
    std::wstring parent = target.substr(0, target.find_last_of(L'\\') + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        wchar_t name[48];
        std::swprintf(name, 48, L"~omb%lX-%lX.kept", GetCurrentProcessId(),
                      static_cast<unsigned long>(InterlockedIncrement(&serial)));
        *made = parent + name;
        if (folder ? CreateDirectoryW(made->c_str(), nullptr) : CreateHardLinkW(made->c_str(), target.c_str(), nullptr))
            return true;
        if (GetLastError() != ERROR_ALREADY_EXISTS && GetLastError() != ERROR_FILE_EXISTS)
            return false;
    }
    return false;
}

// Deletes one name of a file. A read-only file's flag is cleared for that
// and set again: it belongs to the file, which the bin keeps by its other name.
bool RemoveName(const std::wstring& path)
{
    EFileHandle file(CreateFileW(path.c_str(), DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                 FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    FILE_BASIC_INFO basic;
    if (!file.Valid() || !GetFileInformationByHandleEx(file.Get(), FileBasicInfo, &basic, sizeof basic))
        return false;
    FILE_BASIC_INFO writable{};
    writable.FileAttributes = basic.FileAttributes & ~FILE_ATTRIBUTE_READONLY;
    if (!writable.FileAttributes)
        writable.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    bool readOnly = (basic.FileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    if (readOnly && !SetFileInformationByHandle(file.Get(), FileBasicInfo, &writable, sizeof writable))
        return false;
    FILE_DISPOSITION_INFO dispose = {TRUE};
    bool removed = SetFileInformationByHandle(file.Get(), FileDispositionInfo, &dispose, sizeof dispose) != 0;
    if (readOnly) {
        FILE_BASIC_INFO back{};
        back.FileAttributes = basic.FileAttributes;
        SetFileInformationByHandle(file.Get(), FileBasicInfo, &back, sizeof back);
    }
    return removed;
}

// Opens the file as a move to the bin does (for deletion, sharing all) and
// answers the error of that open; 0 when it works.
DWORD OpenError(const std::wstring& path)
{
    EFileHandle file(CreateFileW(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    return file.Valid() ? 0 : GetLastError();
}

Binned Tell(ErrorSink& errors, const char* call, DWORD code, const std::wstring& path)
{
    if (code == ERROR_SHARING_VIOLATION)
        errors.ShowFailure(FormatShown(Bilingual("%s is in use", "%s は使用中です"), {ShownPath(path)}), code);
    else
        errors.ShowFailure(Widen(call) + L" " + std::to_wstring(static_cast<int>(code)), code);
    return Binned::Failed;
}

Binned TellKept(ErrorSink& errors, const std::wstring& target, const std::wstring& kept)
{
    errors.ShowError(FormatShown(Bilingual("%s could not be put back: it is kept as %s",
                                           "%s を元に戻せませんでした。%s として残しています"),
                                 {ShownPath(target), ShownPath(kept)}));
    return Binned::Failed;
}

// The shell's answer; it shows no window.
int ShellDelete(std::wstring shell)
{
    shell.append(2, L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = shell.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    return SHFileOperationW(&operation);
}

bool Present(const std::wstring& path)
{
    FolderEntry entry;
    return ReadFolderEntry(path, &entry, true) != 0;
}

}

Binned RecycleFile(ErrorSink& errors, const std::wstring& path)
{
    std::wstring shell;
    if (!ShellForm(path, &shell))
        return Binned::Refused;
    std::wstring target = LongPath(path);
    // A file held by another program would keep its safety name as well.
    if (DWORD code = OpenError(target))
        return Tell(errors, "Error CreateFile", code, target);
    // The safety name keeps the file whatever the shell does with it: under
    // Wine it deletes for good, and answers success, when the trash is unusable.
    std::wstring kept;
    if (!MakeBeside(target, false, &kept))
        return Binned::Refused;
    DWORD links = LinkCount(kept);
    int answer = ShellDelete(shell);
    if (Present(target)) {
        RemoveName(kept);
        if (answer == 0)
            return Binned::Refused;
        DWORD code = OpenError(target);
        return Tell(errors, code ? "Error CreateFile" : "Error SHFileOperation", code ? code : answer, target);
    }
    // The bin holds the same file only when it took it by its name: a copy to
    // another file system or a deletion leaves the safety name alone.
    if (links && LinkCount(kept) == links) {
        RemoveName(kept);
        return Binned::Yes;
    }
    // Never over a file that came to that name meanwhile.
    return MoveFileExW(kept.c_str(), target.c_str(), 0) ? Binned::Refused : TellKept(errors, target, kept);
}

namespace {

// An entry below a folder, by its path from it (starting with a separator),
// and for a file the number of names it had once mirrored; 0 for a folder.
struct Mirrored {
    std::wstring relative;
    DWORD links;
};

// Gives the tree below folder a second set of names below mirror: each
// subfolder made anew, each file hard-linked, parents listed before their
// contents. The error that stopped it; 0 when the whole tree is mirrored.
DWORD MirrorTree(const std::wstring& folder, const std::wstring& mirror, const std::wstring& relative,
                 std::vector<Mirrored>* entries)
{
    WIN32_FIND_DATAW data;
    ESearchHandle search(FindFirstFileW((folder + relative + L"\\*").c_str(), &data));
    if (!search.Valid())
        return GetLastError();
    do {
        std::wstring name = data.cFileName;
        if (name == L"." || name == L"..")
            continue;
        std::wstring path = relative + L"\\" + name;
        // A link would be mirrored as the link, and the tree's guarantee is
        // for files only; a name no path reaches cannot be mirrored.
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) || !LongPathsReachName(name))
            return ERROR_CANT_ACCESS_FILE;
        bool folderEntry = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        DWORD code = folderEntry ? 0 : OpenError(folder + path);
        if (code)
            return code;
        if (!(folderEntry ? CreateDirectoryW((mirror + path).c_str(), nullptr)
                          : CreateHardLinkW((mirror + path).c_str(), (folder + path).c_str(), nullptr)))
            return GetLastError();
        entries->push_back(Mirrored{path, folderEntry ? 0 : LinkCount(mirror + path)});
        if (folderEntry && (code = MirrorTree(folder, mirror, path, entries)) != 0)
            return code;
    } while (FindNextFileW(search.Get(), &data));
    return GetLastError() == ERROR_NO_MORE_FILES ? 0 : GetLastError();
}

// Removes what is left of the mirror, contents before their folders; false
// when some of it stays.
bool RemoveMirror(const std::wstring& mirror, const std::vector<Mirrored>& entries)
{
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        std::wstring path = mirror + entry->relative;
        if (entry->links ? Present(path) && !RemoveName(path) : !RemoveDirectoryW(path.c_str()))
            return false;
    }
    return RemoveDirectoryW(mirror.c_str()) != 0;
}

}

Binned RecycleFolder(ErrorSink& errors, const std::wstring& folder)
{
    std::wstring shell;
    if (!ShellForm(folder, &shell))
        return Binned::Refused;
    std::wstring target = LongPath(folder);
    std::wstring mirror;
    if (!MakeBeside(target, true, &mirror))
        return Binned::Refused;
    std::vector<Mirrored> entries;
    DWORD code = MirrorTree(target, mirror, std::wstring(), &entries);
    bool files = false;
    for (const Mirrored& entry : entries)
        files = files || entry.links;
    // Without a file, nothing would tell where the tree went.
    if (code || !files) {
        RemoveMirror(mirror, entries);
        return code == ERROR_SHARING_VIOLATION ? Tell(errors, "", code, target) : Binned::Refused;
    }
    int answer = ShellDelete(shell);
    if (Present(target)) {
        // The shell may have deleted part of the tree before it stopped.
        for (const Mirrored& entry : entries) {
            std::wstring path = target + entry.relative;
            if (!Present(path) && !(entry.links ? MoveFileExW((mirror + entry.relative).c_str(), path.c_str(), 0)
                                                : CreateDirectoryW(path.c_str(), nullptr)))
                return TellKept(errors, target, mirror);
        }
        RemoveMirror(mirror, entries);
        if (answer == 0)
            return Binned::Refused;
        return Tell(errors, "Error SHFileOperation", static_cast<DWORD>(answer), target);
    }
    bool whole = true;
    for (const Mirrored& entry : entries)
        whole = whole && (!entry.links || LinkCount(mirror + entry.relative) == entry.links);
    if (whole) {
        RemoveMirror(mirror, entries);
        return Binned::Yes;
    }
    return MoveFileExW(mirror.c_str(), target.c_str(), 0) ? Binned::Refused : TellKept(errors, target, mirror);
}
