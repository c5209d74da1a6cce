// syncbench [--delete] [--dostime] [--excludeobj] [--up] [--verbose] [--preview] [--recycle]
//           [--allow-mass-delete] [--memory] [--abort-after MS] SOURCE DESTINATION
// Runs one whole run without confirmations and prints what it did. The
// deletion guard answers No unless --allow-mass-delete is given; --preview
// prints the planned rows and touches nothing. --memory prints the peak
// working set at the end; --abort-after asks for an abort MS milliseconds
// after the run starts and prints how long the run took to end after it. The folders are taken as
// wide text, so any name and any length can be given; names and errors come
// out in UTF-8. It shares the unattended host, the log and the exit codes
// with the program's own runs from the command line.

#include "EHandle.h"
#include "EStartup.h"
#include "FileQueries.h"
#include "RunLog.h"
#include "SyncRun.h"
#include "UnattendedHost.h"
#include "WidePath.h"

#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <thread>

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: syncbench [--delete] [--dostime] [--excludeobj] [--up] [--verbose] [--preview] "
                         "[--recycle] [--allow-mass-delete] [--memory] [--abort-after MS] SOURCE DESTINATION\n");
    return 2;
}

// A run takes full paths; one given relative to the current folder is made
// full here. The \\?\ form is full already and is kept as it is.
std::wstring FullPath(const std::wstring& path)
{
    if (path.compare(0, 4, L"\\\\?\\") == 0)
        return path;
    DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return path;
    std::wstring full(needed, L'\0');
    DWORD length = GetFullPathNameW(path.c_str(), needed, &full[0], nullptr);
    if (length == 0 || length >= needed)
        return path;
    full.resize(length);
    return full;
}


}

int main()
{
    EStartProgram();
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv)
        return Usage();
    SyncOptions options;
    options.force = 1;
    bool up = false;
    bool verbose = false;
    bool preview = false;
    bool recycle = false;
    bool massDelete = false;
    bool memory = false;
    long abortAfter = -1;
    std::wstring folders[2];
    int count = 0;
    bool bad = false;
    for (int i = 1; i < argc; ++i) {
        std::wstring argument = argv[i];
        if (argument == L"--delete")
            options.deleteOrphans = 1;
        else if (argument == L"--dostime")
            options.dosTime = 1;
        else if (argument == L"--excludeobj")
            options.excludeObj = 1;
        else if (argument == L"--up")
            up = true;
        else if (argument == L"--verbose")
            verbose = true;
        else if (argument == L"--preview")
            preview = true;
        else if (argument == L"--recycle")
            recycle = true;
        else if (argument == L"--allow-mass-delete")
            massDelete = true;
        else if (argument == L"--memory")
            memory = true;
        else if (argument == L"--abort-after" && i + 1 < argc)
            abortAfter = std::wcstol(argv[++i], nullptr, 10);
        else if (argument.compare(0, 2, L"--") == 0 || count == 2)
            bad = true;
        else
            folders[count++] = FullPath(argument);
    }
    LocalFree(argv);
    if (bad || count != 2)
        return Usage();
    const std::wstring& source = up ? folders[1] : folders[0];
    const std::wstring& destination = up ? folders[0] : folders[1];
    if (!IsDirectory(source)) {
        std::printf("Source folder '%s' is not exist.\n", Utf8(source).c_str());
        std::fflush(stdout);
        return 1;
    }

    RunLog log(false);
    log.UseConsole();
    UnattendedHost::Rules rules;
    rules.yes = true;
    rules.massDelete = massDelete;
    rules.permanent = true;
    rules.rows = verbose || preview;
    // A click on Abort abortAfter milliseconds into the run, when asked for.
    volatile LONG abort = 0;
    UnattendedHost host(log, rules, &abort);
    SyncRun run(host, options);
    run.SetPreview(preview);
    run.SetRecycle(recycle);
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    ULONGLONG abortAt = GetTickCount64() + static_cast<ULONGLONG>(abortAfter);
    EEventHandle ended(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    std::thread clicker;
    if (abortAfter >= 0)
        clicker = std::thread([&] {
            if (WaitForSingleObject(ended.Get(), static_cast<DWORD>(abortAfter)) == WAIT_TIMEOUT)
                InterlockedExchange(&abort, 1);
        });
    int result = run.RunSet(source, destination);
    QueryPerformanceCounter(&end);
    ULONGLONG endedAt = GetTickCount64();
    SetEvent(ended.Get());
    if (clicker.joinable())
        clicker.join();

    const OperationCounts& done = run.Counts();
    double seconds = static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    if (!result)
        log.Line(L"stopped: " + (host.Reason().empty() ? std::wstring(L"the run ended early") : host.Reason()));
    if (preview)
        log.Line(L"plan: " + PlanText(done, run.Guarded()));
    wchar_t line[200];
    std::swprintf(line, 200, L", result %ls, seconds %.3f", result ? L"OK" : L"STOPPED", seconds);
    log.Line(CountsText(done) + line);
    if (abortAfter >= 0 && endedAt >= abortAt) {
        std::swprintf(line, 200, L"abort asked after %ld ms, run ended %llu ms later", abortAfter, endedAt - abortAt);
        log.Line(line);
    }
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (memory && GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) {
        std::swprintf(line, 200, L"peak working set %.1f MB",
                      static_cast<double>(counters.PeakWorkingSetSize) / (1024 * 1024));
        log.Line(line);
    }
    return ExitOf(result, done.skipped, host, run.Stopped() == RunContext::Aborted);
}
