// syncbench [--delete] [--dostime] [--excludeobj] [--up] [--verbose] [--preview] [--recycle]
//           [--allow-mass-delete] [--memory] [--abort-after MS] SOURCE DESTINATION
// Runs one whole run without confirmations and prints what it did. The
// deletion guard answers No unless --allow-mass-delete is given; --preview
// prints the planned rows and touches nothing. --memory prints the peak
// working set at the end; --abort-after asks for an abort MS milliseconds
// after the run starts and prints how long the run took to end after it. The folders are taken as
// wide text, so any name and any length can be given; names and errors come
// out in UTF-8.

#include "BenchHost.h"
#include "EStartup.h"
#include "SyncRun.h"
#include "WidePath.h"

#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

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

bool IsFolder(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(LongPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
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
    if (!IsFolder(source)) {
        std::printf("Source folder '%s' is not exist.\n", Utf8(source).c_str());
        return 1;
    }

    ConsoleHost host(verbose || preview, massDelete);
    SyncRun run(host, options);
    run.SetPreview(preview);
    run.SetRecycle(recycle);
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (abortAfter >= 0)
        host.abortAt = GetTickCount64() + static_cast<ULONGLONG>(abortAfter);
    int result = run.RunSet(source, destination);
    QueryPerformanceCounter(&end);
    ULONGLONG ended = GetTickCount64();

    const OperationCounts& done = run.Counts();
    double seconds = static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    if (!result)
        std::printf("stopped: %s\n", host.reason.empty() ? "the run ended early" : Utf8(host.reason).c_str());
    if (preview)
        std::printf("plan: %d to copy and %d to replace (%llu bytes), %d to delete, %d folders to create, %d to "
                    "remove, %d newer in destination%s\n",
                    done.copied, done.replaced, done.bytes, done.deleted, done.createdFolders, done.removedFolders,
                    done.newer, run.Guarded() ? "; the deletion guard would ask" : "");
    std::printf("copied %d, replaced %d, deleted %d, removed folders %d, created folders %d, skipped %d, newer %d, "
                "result %s, seconds %.3f\n",
                done.copied, done.replaced, done.deleted, done.removedFolders, done.createdFolders, done.skipped,
                done.newer, result ? "OK" : "STOPPED", seconds);
    if (abortAfter >= 0 && ended >= host.abortAt)
        std::printf("abort asked after %ld ms, run ended %llu ms later\n", abortAfter, ended - host.abortAt);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (memory && GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        std::printf("peak working set %.1f MB\n", static_cast<double>(counters.PeakWorkingSetSize) / (1024 * 1024));
    return result ? 0 : 1;
}
