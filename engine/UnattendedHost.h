#ifndef OMBREL_UNATTENDEDHOST_H
#define OMBREL_UNATTENDEDHOST_H

#include "FileTrees.h"
#include "RunLog.h"
#include "SyncHost.h"

#include <windows.h>

#include <string>

// A run with nobody to answer: questions are answered by rule, and rows,
// errors and what stopped the run go to a log. Never opens a window.
class UnattendedHost : public SyncHost {
public:
    struct Rules {
        // Replacements and deletions: Yes, else No (the file is skipped).
        bool yes = false;
        // The deletion guard: Yes, else the run stops there.
        bool massDelete = false;
        // Deleting for good what the Recycle Bin refuses.
        bool permanent = false;
        // Rows of the operations, else only errors and skipped files.
        bool rows = true;
    };

    // The log is borrowed. abort, when given, is read as the abort flag: it
    // is set from another thread (Ctrl+C) and never cleared.
    UnattendedHost(RunLog& log, const Rules& rules, const volatile LONG* abort = nullptr)
        : log(log), rules(rules), abort(abort)
    {
    }

    int ConfirmReplace(const std::wstring&, const std::wstring&) override { return Rule(); }
    int ConfirmDeleteFile(const std::wstring&, bool) override { return Rule(); }
    int ConfirmRemoveFolder(const std::wstring&, bool) override { return Rule(); }
    int ConfirmMassDelete(int deleting, int files, const std::wstring& folder) override;
    int ConfirmPermanentDelete(const std::wstring& path) override;
    int ConfirmSkipFile(const std::wstring& text) override;
    void LogOperation(const char* operation, const std::wstring& first, const std::wstring& second) override;
    void ShowStatus(const std::wstring&) override {}
    void ShowError(const std::wstring& text) override;
    void PumpOneMessage() override {}
    bool AbortRequested() override { return abort && *abort != 0; }

    // Whether the deletion guard stopped the run.
    bool Guarded() const { return guarded; }
    // The last error told: why the run stopped.
    const std::wstring& Reason() const { return reason; }

private:
    int Rule() const { return rules.yes ? IDYES : IDNO; }

    RunLog& log;
    Rules rules;
    const volatile LONG* abort;
    bool guarded = false;
    std::wstring reason;
};

// How a run without a window ended, as its exit code.
enum RunExit {
    RunCompleted = 0,
    RunFailed = 1,
    RunBadArguments = 2,
    RunGuarded = 3,
    RunAborted = 4,
    RunSkipped = 5
};

// The exit code of a run that returned result (1 completed), having skipped
// skipped files, with the host's view of it.
RunExit ExitOf(int result, int skipped, const UnattendedHost& host, bool aborted);
// The words of the log's last line for an exit code.
const char* ExitWords(RunExit code);
// "copied C, replaced R, deleted D, removed folders F, created folders K,
// skipped S, newer N": what a run did.
std::wstring CountsText(const OperationCounts& counts);
// What a preview found the run would do; guarded: the deletion guard would ask.
std::wstring PlanText(const OperationCounts& counts, bool guarded);

#endif
