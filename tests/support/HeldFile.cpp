#include "HeldFile.h"

#include "TestProcess.h"

HeldFile::HeldFile(const std::string& path)
{
    static unsigned serial;
    std::string name = "ombrel-hold-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
    release = CreateEventA(nullptr, TRUE, FALSE, name.c_str());
    HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, (name + "-held").c_str());
    holder.reset(new TestProcess("\"" + TestBinaryFolder() + "\\holdfile.exe\" \"" + path + "\" " + name));
    // Probing the file from here could itself make the holder's unshared open
    // fail, so the holder says when it has the file.
    auto hasIt = [&] { return WaitForSingleObject(opened, 0) == WAIT_OBJECT_0; };
    held = holder->Started() && WaitUntil([&] { return hasIt() || holder->ExitCode() != STILL_ACTIVE; }, 30000) &&
           hasIt() && holder->ExitCode() == STILL_ACTIVE;
    CloseHandle(opened);
}

HeldFile::~HeldFile()
{
    if (release)
        SetEvent(release);
    holder->Wait(10000);
    if (release)
        CloseHandle(release);
}
