// syncbench [--delete] [--dostime] [--excludeobj] [--up] [--verbose] SOURCE DESTINATION
// Runs one whole run without confirmations and prints what it did.

#include "BenchHost.h"
#include "EStartup.h"
#include "FileActions.h"
#include "FileQueries.h"
#include "MessageBoxes.h"
#include "SyncRun.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: syncbench [--delete] [--dostime] [--excludeobj] [--up] [--verbose] SOURCE DESTINATION\n");
    return 2;
}

}

int main(int argc, char** argv)
{
    EStartProgram();
    SyncOptions options;
    options.force = 1;
    bool up = false;
    bool verbose = false;
    const char* folders[2] = {nullptr, nullptr};
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--delete") == 0)
            options.deleteOrphans = 1;
        else if (std::strcmp(argv[i], "--dostime") == 0)
            options.dosTime = 1;
        else if (std::strcmp(argv[i], "--excludeobj") == 0)
            options.excludeObj = 1;
        else if (std::strcmp(argv[i], "--up") == 0)
            up = true;
        else if (std::strcmp(argv[i], "--verbose") == 0)
            verbose = true;
        else if (argv[i][0] == '-' && argv[i][1] == '-')
            return Usage();
        else if (count < 2)
            folders[count++] = argv[i];
        else
            return Usage();
    }
    if (count != 2)
        return Usage();
    const char* source = up ? folders[1] : folders[0];
    const char* destination = up ? folders[0] : folders[1];
    if (!IsDirectory(source)) {
        std::printf("Source folder '%s' is not exist.\n", source);
        return 1;
    }

    PrintingReporter reporter;
    SetBoxReporter(&reporter);
    ConsoleHost host(verbose);
    SyncRun run(host, options);
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    int result = run.RunSet(source, destination);
    QueryPerformanceCounter(&end);
    SetBoxReporter(nullptr);

    const OperationCounts& done = run.Counts();
    double seconds = static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    if (!result)
        std::printf("stopped: %s\n", reporter.reason.empty() ? "the run ended early" : reporter.reason.c_str());
    std::printf("copied %d, deleted %d, removed folders %d, created folders %d, result %s, seconds %.3f\n",
                done.copied, done.deleted, done.removedFolders, done.createdFolders, result ? "OK" : "STOPPED",
                seconds);
    return result ? 0 : 1;
}
