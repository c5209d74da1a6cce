#include "ListerProcess.h"

#include "PathText.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

const char* const ListerProcess::ProgramName = "OmbrelLister.exe";

namespace {

// How often a run that misses listings looks whether the lister still runs.
const ULONGLONG AliveCheckMs = 50;

// The lister's full path: beside the running program.
bool ListerPath(char* path)
{
    char self[EPathSize];
    DWORD length = GetModuleFileNameA(nullptr, self, sizeof self);
    char folder[EPathSize];
    char name[EPathSize];
    return length > 0 && length < sizeof self && SplitPath(folder, name, self) &&
           JoinPath(path, folder, ListerProcess::ProgramName) &&
           GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

unsigned long long NumberOf(HANDLE handle)
{
    return static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(handle));
}

}

ListerProcess::ListerProcess(const char* destinationRoot, int startAfter, DWORD freshMs)
    : root(destinationRoot), startAfter(startAfter), freshMs(freshMs)
{
    InitializeCriticalSection(&lock);
}

ListerProcess::~ListerProcess()
{
    if (process) {
        // The lister only reads: ending it is safe, and the run does not
        // wait on a folder it is still reading.
        exchange->Stop();
        if (WaitForSingleObject(process, 100) != WAIT_OBJECT_0) {
            TerminateProcess(process, 1);
            // Its folder handles are closed by the time the delete pass comes.
            WaitForSingleObject(process, 1000);
        }
        CloseHandle(process);
    }
    DeleteCriticalSection(&lock);
}

void ListerProcess::Start()
{
    char program[EPathSize];
    if (!ListerPath(program))
        return;
    std::unique_ptr<ListingExchange> shared(ListingExchange::Create());
    if (!shared)
        return;
    HANDLE self = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &self, SYNCHRONIZE, TRUE,
                         0))
        return;
    // The tree's path goes through the shared memory: a command line would
    // need its own quoting rules for a trailing backslash.
    shared->SetRoot(root.c_str());
    char command[EPathSize + 64];
    std::snprintf(command, sizeof command, "\"%s\" %llu %llu", program, NumberOf(shared->Mapping()),
                  NumberOf(self));
    // The lister inherits these two handles and no other the program may
    // hold, and none of its standard handles: it writes nowhere.
    HANDLE inherited[2] = {shared->Mapping(), self};
    SIZE_T listBytes = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &listBytes);
    std::vector<char> list(listBytes);
    auto* attributes = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(list.data());
    if (listBytes == 0 || !InitializeProcThreadAttributeList(attributes, 1, 0, &listBytes)) {
        CloseHandle(self);
        return;
    }
    STARTUPINFOEXA startup;
    std::memset(&startup, 0, sizeof startup);
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES | STARTF_FORCEOFFFEEDBACK;
    startup.lpAttributeList = attributes;
    PROCESS_INFORMATION info;
    if (UpdateProcThreadAttribute(attributes, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, inherited, sizeof inherited,
                                  nullptr, nullptr) &&
        CreateProcessA(program, command, nullptr, nullptr, TRUE, CREATE_NO_WINDOW | EXTENDED_STARTUPINFO_PRESENT,
                       nullptr, nullptr, &startup.StartupInfo, &info)) {
        CloseHandle(info.hThread);
        process = info.hProcess;
        // Later children of the program need not see the exchange.
        SetHandleInformation(shared->Mapping(), HANDLE_FLAG_INHERIT, 0);
        exchange = std::move(shared);
        active = 1;
    }
    DeleteProcThreadAttributeList(attributes);
    CloseHandle(self);
}

bool ListerProcess::Active()
{
    return InterlockedCompareExchange(&active, 0, 0) != 0;
}

bool ListerProcess::Take(const char* folder, FolderIndex* listing, ULONGLONG* doneAt)
{
    EnterCriticalSection(&lock);
    if (!started && ++asked >= startAfter) {
        started = true;
        Start();
    }
    bool taken = false;
    if (Active()) {
        exchange->SetFrontier(folder);
        taken = exchange->Take(folder, freshMs, listing, doneAt);
        if (taken) {
            ++served;
        } else if (GetTickCount64() - lastAliveCheck >= AliveCheckMs) {
            // A lister that finished or failed leaves the reading to the run.
            lastAliveCheck = GetTickCount64();
            if (WaitForSingleObject(process, 0) != WAIT_TIMEOUT)
                InterlockedExchange(&active, 0);
        }
    }
    LeaveCriticalSection(&lock);
    return taken;
}
