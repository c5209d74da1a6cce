#ifndef OMBREL_SYNCRUN_H
#define OMBREL_SYNCRUN_H

#include "FileTrees.h"
#include "RunContext.h"
#include "SyncHost.h"
#include "SyncOptions.h"

#include <string>

// One run of a sync set: the update pass and, with DELETE on, the delete
// pass, over the set's two folders.
class SyncRun {
public:
    // The host is borrowed for the life of the run; the options are copied.
    SyncRun(SyncHost& host, const SyncOptions& options) : run(host, options) {}

    // The folders as the set holds them, in the ANSI code page: converted
    // once here, refused with a message when they hold undefined bytes.
    int RunSet(const char* source, const char* destination);
    // Refuses unsafe folder pairs before touching anything, runs the passes
    // and clears the status text. 1 when every pass ended without stopping.
    int RunSet(const std::wstring& source, const std::wstring& destination);
    // The delete pass alone, with the confirmation flag as it is.
    int PruneTree(const std::wstring& source, const std::wstring& destination);

    // Off, nothing is read or copied ahead; the results are the same.
    void SetReadAhead(bool on) { readAhead = on; }
    // The confirmation flag: nonzero while replacements and removals are asked.
    void SetConfirm(int on) { run.confirm = on; }
    int Confirm() const { return run.confirm; }
    // Completed actions since the last RunSet.
    const OperationCounts& Counts() const { return run.counts; }

private:
    RunContext run;
    bool readAhead = true;
};

#endif
