#include "TestProcess.h"

#include <cstring>
#include <vector>

std::string TestBinaryFolder()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    std::string::size_type slash = folder.find_last_of('\\');
    return slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
}

namespace {

// The current environment block with the extra variables replacing any of
// the same name.
std::vector<char> BuildEnvironment(const std::string& extra)
{
    std::vector<std::string> overrides;
    std::string::size_type start = 0;
    while (start < extra.size()) {
        std::string::size_type end = extra.find('\n', start);
        if (end == std::string::npos)
            end = extra.size();
        if (end > start)
            overrides.push_back(extra.substr(start, end - start));
        start = end + 1;
    }

    std::vector<char> block;
    char* environment = GetEnvironmentStringsA();
    for (const char* p = environment; *p; p += std::strlen(p) + 1) {
        std::string entry(p);
        bool replaced = false;
        for (const std::string& o : overrides) {
            std::string name = o.substr(0, o.find('=') + 1);
            if (_strnicmp(entry.c_str(), name.c_str(), name.size()) == 0)
                replaced = true;
        }
        if (!replaced)
            block.insert(block.end(), entry.c_str(), entry.c_str() + entry.size() + 1);
    }
    FreeEnvironmentStringsA(environment);
    for (const std::string& o : overrides)
        block.insert(block.end(), o.c_str(), o.c_str() + o.size() + 1);
    block.push_back('\0');
    return block;
}

}

TestProcess::TestProcess(const std::string& commandLine, const std::string& extraEnvironment,
                         const std::string& currentFolder)
{
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    std::vector<char> environment;
    if (!extraEnvironment.empty())
        environment = BuildEnvironment(extraEnvironment);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0,
                       environment.empty() ? nullptr : environment.data(),
                       currentFolder.empty() ? nullptr : currentFolder.c_str(), &startup, &info) &&
        info.hProcess) {
        CloseHandle(info.hThread);
        process = info.hProcess;
        id = info.dwProcessId;
    }
    // For a Linux program Wine answers success with no process handle and
    // stack leftovers for the thread's: closing that could close any handle
    // of this process, its standard output included.
}

TestProcess::~TestProcess()
{
    if (process) {
        if (ExitCode() == STILL_ACTIVE)
            Kill();
        CloseHandle(process);
    }
}

bool TestProcess::Wait(DWORD timeoutMs)
{
    return process && WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0;
}

DWORD TestProcess::ExitCode() const
{
    DWORD code = 0xFFFFFFFF;
    if (process)
        GetExitCodeProcess(process, &code);
    return code;
}

void TestProcess::Kill()
{
    if (process) {
        TerminateProcess(process, 0xDEAD);
        WaitForSingleObject(process, 5000);
    }
}

DWORD RunToEnd(const std::string& commandLine, DWORD timeoutMs, const std::string& extraEnvironment,
               const std::string& currentFolder)
{
    TestProcess child(commandLine, extraEnvironment, currentFolder);
    if (!child.Started() || !child.Wait(timeoutMs))
        return 0xFFFFFFFF;
    return child.ExitCode();
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return condition();
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

std::string ReadWholeFile(const std::string& path)
{
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}
