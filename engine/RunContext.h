#ifndef OMBREL_RUNCONTEXT_H
#define OMBREL_RUNCONTEXT_H

#include "FileTrees.h"
#include "SyncHost.h"
#include "SyncOptions.h"

#include <string>

class FolderIndex;

// What the passes of one run share: whom they answer to, the set's options,
// the answers given so far and what has been done.
class RunContext {
public:
    RunContext(SyncHost& host, const SyncOptions& options) : host(host), options(options) {}
    RunContext(const RunContext&) = delete;
    RunContext& operator=(const RunContext&) = delete;

    // Each pass starts afresh: the abort flag cleared, and questions asked
    // again unless the set says Force (Yes to All lasts one pass).
    void StartPass();
    // Lets a waiting message through; 0 when the user has asked to abort.
    int Step();
    // Applies the answer to a question: 1 act, 0 leave it (No; with noStops
    // No stops the run too), -1 stop. Only Yes and Yes to All act: anything
    // else that ends a question (its window destroyed, the program closing)
    // stops the run like Cancel.
    int Answer(int button, bool noStops);
    // A file left alone by ExcObj.
    bool Excluded(const std::wstring& name) const;
    // Removes the temporary copies a killed run left in folder (listed in
    // listing); one still open in another run stays.
    void RemoveLeftovers(const std::wstring& folder, const FolderIndex& listing);

    SyncHost& host;
    const SyncOptions options;
    // Nonzero while replacements and removals are asked.
    int confirm = 1;
    // Questions answered so far: what was looked at before one may have
    // changed while it was up.
    int answered = 0;
    OperationCounts counts;
};

#endif
