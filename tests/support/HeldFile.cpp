#include "HeldFile.h"

#include "TestProcess.h"

namespace {

bool SharingViolation(const std::string& path)
{
    HANDLE probe = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}

}

HeldFile::HeldFile(const std::string& path)
{
    static unsigned serial;
    std::string name = "ombrel-hold-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
    release = CreateEventA(nullptr, TRUE, FALSE, name.c_str());
    holder.reset(new TestProcess("\"" + TestBinaryFolder() + "\\holdfile.exe\" \"" + path + "\" " + name));
    // Held once another open of it meets the holder's; or the holder ended.
    held = holder->Started() &&
           WaitUntil([&] { return SharingViolation(path) || holder->ExitCode() != STILL_ACTIVE; }, 30000) &&
           holder->ExitCode() == STILL_ACTIVE;
}

HeldFile::~HeldFile()
{
    if (release)
        SetEvent(release);
    holder->Wait(10000);
    if (release)
        CloseHandle(release);
}
