// OmbrelLister MAPPING RUN: lists the folders of the tree the exchange behind
// the inherited handle MAPPING names, into that exchange, for the run in the
// process behind the inherited handle RUN. A run starts it; it has no
// window, and ends when the tree is listed, the run says stop, or the run's
// process is gone.

#include "EStartup.h"
#include "ListerWalk.h"
#include "ListingExchange.h"

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

// A lister that fails ends at once: the run reads for itself, and no
// debugger or report window waits on a process nobody sees.
LONG WINAPI EndOnFault(EXCEPTION_POINTERS*)
{
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

HANDLE HandleOf(const char* text)
{
    char* end = nullptr;
    unsigned long long value = std::strtoull(text, &end, 10);
    return (end != text && *end == 0) ? reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(value)) : nullptr;
}

}

int main(int argc, char** argv)
{
    SetUnhandledExceptionFilter(EndOnFault);
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    if (argc != 3)
        return 2;
    HANDLE mapping = HandleOf(argv[1]);
    HANDLE run = HandleOf(argv[2]);
    if (!mapping || !run)
        return 2;
    // Paths are built as the run builds them, character by character.
    EStartProgram();
    std::unique_ptr<ListingExchange> exchange(ListingExchange::Open(mapping));
    if (!exchange)
        return 1;
    ListerWalk walk(*exchange, run);
    std::string root = exchange->Root();
    if (root.empty())
        return 1;
    walk.Run(root.c_str());
    return 0;
}
