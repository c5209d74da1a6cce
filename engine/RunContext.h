#ifndef OMBREL_RUNCONTEXT_H
#define OMBREL_RUNCONTEXT_H

#include "FileTrees.h"
#include "SyncHost.h"
#include "SyncOptions.h"

#include <string>
#include <utility>
#include <vector>

class FolderIndex;
struct FolderId;

// What the passes of one run share: whom they answer to, the set's options,
// the answers given so far and what has been done.
class RunContext : public FileDisposal {
public:
    // Why a run ended early; Failed once something went wrong and was told.
    enum Stop { NotStopped, Aborted, Cancelled, Failed };

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
    // listing); one still open in another run stays. A preview leaves them.
    void RemoveLeftovers(const std::wstring& folder, const FolderIndex& listing);

    // A row of the log, paths in any full form; a preview marks it planned.
    void Log(const char* operation, const std::wstring& first, const std::wstring& second = std::wstring());
    // What an answer left alone: logged and counted.
    void Skip(const std::wstring& first, const std::wstring& second = std::wstring());
    // A destination file newer than its source, listed when the run ends.
    void NoteNewer(const std::wstring& source, const std::wstring& destination);
    void LogNewer();

    // A file the run deletes or replaces: into the Recycle Bin while the run
    // uses it, else (or on the user's word, when the bin refuses it) for good.
    int Dispose(const std::wstring& path) override;
    // The Recycle Bin's part of that: 1 the bin took it, 2 it is to go for
    // good, 0 the run stops (told), -1 it stays (logged as skipped).
    int Bin(const std::wstring& path);
    // The same for an orphan folder, taken whole where the bin can (and
    // counted then); 2 also when it is to go file by file.
    int BinFolder(const std::wstring& path);

    // Holds what one file's operation reported instead of telling the host
    // at once: whether that error stops the run is decided by FileFailed.
    class Attempt : public ErrorSink {
    public:
        void ShowError(const std::wstring& message) override { ShowFailure(message, 0); }
        void ShowFailure(const std::wstring& message, unsigned long error) override
        {
            text = message;
            code = error;
        }
        std::wstring text;
        unsigned long code = 0;
    };
    // The operation on path failed and told attempt; writtenAt is the path
    // it was writing, empty when it failed reading the source. An error about
    // the one file is skipped on the host's word (logged, counted and listed
    // at the end): 1, the run goes on. Any other error is told: 0, it stops.
    // A folder that takes no new file, or a source that is no longer the
    // folder the run started with, is no error about one file.
    int FileFailed(const Attempt& attempt, const std::wstring& path, const std::wstring& writtenAt);
    // Lists the files skipped after errors, at the end of the run.
    void LogSkipped();

    SyncHost& host;
    const SyncOptions options;
    // A preview walks the run, logs and counts what it would do, and
    // touches and asks nothing.
    bool preview = false;
    bool recycle = false;
    // Nonzero while replacements and removals are asked.
    int confirm = 1;
    // Questions answered so far: what was looked at before one may have
    // changed while it was up.
    int answered = 0;
    Stop stop = NotStopped;
    OperationCounts counts;
    // The source folder of the run and what it was at the start, when known:
    // a source file gone may mean the whole drive went.
    std::wstring sourceRoot;
    const FolderId* sourceId = nullptr;

private:
    // What the bin refused: 2 on the user's word to delete it for good
    // (asked once in a run), else -1 with its files counted as skipped.
    int ForGood(const std::wstring& path, int files);

    // The answer to the question about deleting for good what the bin refuses.
    enum Permanent { NotAsked, Allowed, Refused } permanent = NotAsked;
    // Skip all was answered: later failed files are skipped unasked.
    bool skipAll = false;
    std::vector<std::pair<std::wstring, std::wstring>> newer;
    std::vector<std::pair<std::wstring, std::wstring>> failures;
};

#endif
