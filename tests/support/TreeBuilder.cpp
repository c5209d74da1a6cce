#include "TreeBuilder.h"

#include "TestProcess.h"

#include <windows.h>

#include <algorithm>

void MakeFolder(const std::string& path)
{
    std::string::size_type at = path.find('\\', 3);
    while (at != std::string::npos) {
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
        at = path.find('\\', at + 1);
    }
    CreateDirectoryA(path.c_str(), nullptr);
}

void MakeFile(const std::string& path, const std::string& content, unsigned long long ticks)
{
    std::string::size_type slash = path.find_last_of('\\');
    if (slash != std::string::npos)
        MakeFolder(path.substr(0, slash));
    WriteWholeFile(path, content);
    if (ticks)
        SetWriteTicks(path, ticks);
}

bool IsTemporaryCopyName(const std::string& path)
{
    std::string name = path.substr(path.find_last_of('\\') + 1);
    return name.size() > 8 && name.compare(0, 4, "~omb") == 0 && name.compare(name.size() - 4, 4, ".tmp") == 0;
}

void SetWriteTicks(const std::string& path, unsigned long long ticks)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        FILETIME time{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
        SetFileTime(file, nullptr, nullptr, &time);
        CloseHandle(file);
    }
    if (attributes != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesA(path.c_str(), attributes);
}

unsigned long long WriteTicks(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return (static_cast<unsigned long long>(data.ftLastWriteTime.dwHighDateTime) << 32) |
           data.ftLastWriteTime.dwLowDateTime;
}

bool PathExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolderPath(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

unsigned long FileAttributes(const std::string& path)
{
    return GetFileAttributesA(path.c_str());
}

std::string TrashFiles()
{
    char home[MAX_PATH] = "";
    GetEnvironmentVariableA("XDG_DATA_HOME", home, sizeof home);
    if (home[0] != '/')
        return std::string();
    std::string path = std::string("Z:") + home;
    std::replace(path.begin(), path.end(), '/', '\\');
    // Wine looks for it at a process's first recycling.
    MakeFolder(path);
    return path + "\\Trash\\files\\";
}

std::string UnixPath(const std::string& windowsPath)
{
    typedef char*(CDECL * ToUnix)(const wchar_t*);
    ToUnix toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    // The long form keeps names ending in a dot or a space.
    char* unix = toUnix ? toUnix(LongForm(windowsPath).c_str()) : nullptr;
    if (!unix)
        return std::string();
    std::string result(unix);
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

bool RunUnixShell(const std::string& command, unsigned long timeoutMs)
{
    // Wine starts Linux programs but hands back no useful exit code, so the
    // command writes its status into a marker file when it has run.
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    static unsigned serial;
    std::string marker = std::string(folder) + "ombrel-shell-" + std::to_string(GetCurrentProcessId()) + "-" +
                         std::to_string(++serial);
    DeleteFileA(marker.c_str());
    std::string script = "(" + command + "); echo $? > '" + UnixPath(marker) + "'";
    // Commands hold no backslashes, so escaping the quotes is enough.
    std::string quoted;
    for (char c : script)
        quoted += c == '"' ? std::string("\\\"") : std::string(1, c);
    // CreateProcess may report failure for a Linux program it did start:
    // the marker alone tells.
    TestProcess shell("/bin/sh -c \"" + quoted + "\"");
    bool done = WaitUntil([&] { return ReadWholeFile(marker).size() > 1; }, timeoutMs);
    std::string status = ReadWholeFile(marker);
    DeleteFileA(marker.c_str());
    return done && status.substr(0, 2) == "0\n";
}

SmallDisk::SmallDisk(const std::string& folder, const std::string& size)
    : unixFolder(UnixPath(folder)), mounted(false)
{
    mounted = !unixFolder.empty() && RunUnixShell("mount -t tmpfs -o size=" + size + " tmpfs '" + unixFolder + "'");
}

bool SmallDisk::MakeReadOnly()
{
    return mounted && RunUnixShell("mount -o remount,ro '" + unixFolder + "'");
}

SmallDisk::~SmallDisk()
{
    // Lazy, so a handle Wine still holds does not keep it mounted; a case
    // may have unmounted it already, as a drive is unplugged.
    if (mounted)
        RunUnixShell("! mountpoint -q '" + unixFolder + "' || umount -l '" + unixFolder + "'");
}

TestLink::TestLink(const std::string& target, const std::string& linkPath) : made(false)
{
    std::string::size_type slash = linkPath.find_last_of('\\');
    std::string folder = UnixPath(linkPath.substr(0, slash));
    unixLink = folder + "/" + linkPath.substr(slash + 1);
    made = !folder.empty() && RunUnixShell("mkdir -p '" + folder + "' && ln -s '" + UnixPath(target) + "' '" + unixLink + "'");
}

TestLink::~TestLink()
{
    if (made)
        RunUnixShell("rm -f '" + unixLink + "'");
}

std::wstring LongForm(const std::string& path)
{
    int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], length);
    wide.resize(wide.size() - 1);
    return wide.compare(0, 4, L"\\\\?\\") == 0 ? wide : L"\\\\?\\" + wide;
}

bool MakeFileW(const std::wstring& path, const std::string& content, unsigned long long ticks)
{
    std::wstring full = path.compare(0, 4, L"\\\\?\\") == 0 ? path : L"\\\\?\\" + path;
    // Each folder on the way, from the drive down.
    for (std::size_t at = full.find(L'\\', 7); at != std::wstring::npos; at = full.find(L'\\', at + 1))
        CreateDirectoryW(full.substr(0, at).c_str(), nullptr);
    HANDLE file = CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = content.empty() || (WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
                                  written == content.size());
    if (ticks) {
        FILETIME time{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
        ok = ok && SetFileTime(file, nullptr, nullptr, &time);
    }
    CloseHandle(file);
    return ok;
}

std::string ReadWholeFileW(const std::wstring& path)
{
    std::wstring full = path.compare(0, 4, L"\\\\?\\") == 0 ? path : L"\\\\?\\" + path;
    HANDLE file = CreateFileW(full.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got)
        content.append(buffer, got);
    CloseHandle(file);
    return content;
}

std::string Utf8Text(const std::wstring& text)
{
    int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &narrow[0], length, nullptr, nullptr);
    narrow.resize(narrow.size() - 1);
    return narrow;
}

std::string TrashTag()
{
    return std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount());
}

void EmptyTrashOf(const std::string& prefix)
{
    std::string files = UnixPath(TrashFiles());
    RunUnixShell("rm -rf '" + files + prefix + "'* '" + files + "../info/" + prefix + "'*");
}
