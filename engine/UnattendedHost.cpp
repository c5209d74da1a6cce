#include "UnattendedHost.h"

#include <cstdio>

int UnattendedHost::ConfirmMassDelete(int deleting, int files, const std::wstring& folder)
{
    wchar_t text[96];
    std::swprintf(text, 96, L"%ls %d of %d files in", rules.massDelete ? L"deleting" : L"guard: stopped, would delete",
                  deleting, files);
    log.Line(std::wstring(text) + L" " + folder);
    if (rules.massDelete)
        return IDYES;
    guarded = true;
    return IDCANCEL;
}

int UnattendedHost::ConfirmPermanentDelete(const std::wstring& path)
{
    if (!rules.permanent)
        log.Line(L"the Recycle Bin can't take " + path + L": kept, with what else it refuses in this run");
    return rules.permanent ? IDYES : IDNO;
}

int UnattendedHost::ConfirmSkipFile(const std::wstring&)
{
    // The skip row that follows gives the file and the reason.
    return IDIGNORE;
}

void UnattendedHost::LogOperation(const char* operation, const std::wstring& first, const std::wstring& second)
{
    // Skipped files are always told: the exit code alone does not say which.
    if (rules.rows || std::string(operation).compare(0, 4, "skip") == 0)
        log.Row(operation, first, second);
}

void UnattendedHost::ShowError(const std::wstring& text)
{
    reason = text;
    log.Row("error", text, std::wstring());
}

RunExit ExitOf(int result, int skipped, const UnattendedHost& host, bool aborted)
{
    if (host.Guarded())
        return RunGuarded;
    if (aborted)
        return RunAborted;
    if (!result)
        return RunFailed;
    return skipped > 0 ? RunSkipped : RunCompleted;
}

const char* ExitWords(RunExit code)
{
    switch (code) {
    case RunCompleted: return "completed";
    case RunFailed: return "stopped by an error";
    case RunBadArguments: return "not started";
    case RunGuarded: return "stopped by the deletion guard";
    case RunAborted: return "aborted";
    case RunSkipped: return "completed, with files skipped";
    }
    return "";
}

std::wstring PlanText(const OperationCounts& counts, bool guarded)
{
    wchar_t text[240];
    std::swprintf(text, 240,
                  L"%d to copy and %d to replace (%llu bytes), %d to delete, %d folders to create, %d to remove, "
                  L"%d newer in destination%ls",
                  counts.copied, counts.replaced, counts.bytes, counts.deleted, counts.createdFolders,
                  counts.removedFolders, counts.newer, guarded ? L"; the deletion guard would ask" : L"");
    return text;
}

std::wstring CountsText(const OperationCounts& counts)
{
    wchar_t text[200];
    std::swprintf(text, 200,
                  L"copied %d, replaced %d, deleted %d, removed folders %d, created folders %d, skipped %d, newer %d",
                  counts.copied, counts.replaced, counts.deleted, counts.removedFolders, counts.createdFolders,
                  counts.skipped, counts.newer);
    return text;
}
