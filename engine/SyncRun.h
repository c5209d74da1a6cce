#ifndef OMBREL_SYNCRUN_H
#define OMBREL_SYNCRUN_H

#include "FileTrees.h"
#include "RunContext.h"
#include "SyncHost.h"
#include "SyncOptions.h"

#include <string>

// One run of a sync set: the update pass and, with DELETE on, the delete
// pass, over the set's two folders. Before a run with DELETE changes
// anything, its delete pass is planned, and the deletion guard asks when it
// would take most of the destination.
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
    // A preview walks the run as it would go, logs each operation as
    // planned and counts them, and changes and asks nothing.
    void SetPreview(bool on) { run.preview = on; }
    // On, deleted files and the old versions of replaced ones go to the
    // Recycle Bin; what it cannot take is deleted for good only on the
    // user's word, asked once in the run.
    void SetRecycle(bool on) { run.recycle = on; }
    // The confirmation flag: nonzero while replacements and removals are asked.
    void SetConfirm(int on) { run.confirm = on; }
    int Confirm() const { return run.confirm; }
    // Completed actions since the last RunSet (a preview's: planned ones).
    const OperationCounts& Counts() const { return run.counts; }
    // Why the last RunSet ended early.
    RunContext::Stop Stopped() const { return run.stop; }
    // After a preview: whether the guard would ask before the real run.
    bool Guarded() const { return guarded; }

private:
    RunContext run;
    bool readAhead = true;
    bool guarded = false;
};

#endif
