#include "RunControl.h"

#include <string>

#include "BoxErrors.h"
#include "EngineReports.h"
#include "FileActions.h"
#include "FolderIdentity.h"
#include "RunDialogs.h"
#include "RunGuards.h"
#include "RunWindow.h"
#include "SetList.h"
#include "FileQueries.h"
#include "SyncRun.h"
#include "WidePath.h"

RunControl::RunControl(RunWindow& window, SetList& sets) : window(window), sets(sets), host(window) {}

int RunControl::RunForward()
{
    return Run(true, false);
}

int RunControl::RunBackward()
{
    return Run(false, false);
}

int RunControl::PreviewForward()
{
    return Run(true, true);
}

int RunControl::PreviewBackward()
{
    return Run(false, true);
}

int RunControl::Run(bool forward, bool preview)
{
    // A click queued before the lock, an accelerator or a message pumped
    // during a question must not start a run inside another.
    if (active || checking || host.Closed())
        return 0;
    checking = true;
    // The set that runs is what the fields show, stored as entry 0 even
    // when the checks refuse the run. The folders are copied: messages
    // pumped by the questions could change the current set.
    if (!sets.CommitFields()) {
        checking = false;
        return 0;
    }
    sets.SelectTop();
    const CurrentSet& current = sets.Current();
    std::string source = forward ? current.source : current.destination;
    std::string destination = forward ? current.destination : current.source;
    int deleteOption = current.deleteFlag;
    int forceOption = current.forceFlag;
    int go = CheckFolders(source.c_str(), destination.c_str(), preview);
    checking = false;
    if (!go || host.Closed())
        return 0;
    return RunSet(source.c_str(), destination.c_str(), deleteOption, forceOption, preview);
}

int RunControl::CheckFolders(const char* source, const char* destination, bool preview)
{
    BoxErrors errors(window.Owner());
    std::wstring from;
    std::wstring to;
    for (const char* path : {source, destination}) {
        if (!WidenStrictly(path, path == source ? &from : &to)) {
            ReportUndefinedText(errors, path);
            return 0;
        }
    }
    if (!IsDirectory(from)) {
        ShowSourceMissing(window.DialogParent(), source);
        return 0;
    }
    // Before anything is created: a destination inside the source would be
    // made and then refused.
    std::wstring normalSource;
    std::wstring normalDestination;
    if (!CheckSafeFolders(errors, from, to, &normalSource, &normalDestination))
        return 0;
    if (preview || IsDirectory(to))
        return 1;
    if (AskCreateDestination(window.DialogParent(), destination) != IDYES || host.Closed())
        return 0;
    return CreateFolderWithReport(errors, normalDestination);
}

int RunControl::RunSet(const char* source, const char* destination, int deleteOption, int forceOption, bool preview)
{
    if (active || host.Closed())
        return 0;
    const CurrentSet& current = sets.Current();
    SyncOptions options;
    options.deleteOrphans = deleteOption;
    options.dosTime = current.dosTimeFlag;
    options.force = forceOption;
    options.excludeObj = current.excludeObjectFlag;
    // The texts may live in the current set, which a pumped message could
    // rewrite: the run works on copies.
    std::string from = source;
    std::string to = destination;

    SyncRun run(host, options);
    run.SetPreview(preview);
    run.SetRecycle(window.UseRecycleBin());
    active = &run;
    host.ClearAbort();
    // Each step of the start costs a few tens of milliseconds under Wine;
    // the window takes its messages between them.
    window.LockForRun();
    host.PumpOneMessage();
    if (!host.Closed())
        window.ClearLog(preview);
    host.PumpOneMessage();
    int result = run.RunSet(from.c_str(), to.c_str());
    // Closed meanwhile (also while the report was open): the controls are
    // gone, only unwind. The run left its last word in the status bar.
    if (result && !host.Closed()) {
        if (preview) {
            window.ShowStatus(PreviewLine(run.Counts()));
            ShowPreviewSummary(window.Owner(), run.Counts(), run.Guarded());
        } else {
            ShowRunSucceeded(window.DialogParent(), run.Counts());
        }
    }
    if (!host.Closed())
        window.UnlockAfterRun();
    active = nullptr;
    return result;
}

int RunControl::Confirming() const
{
    return active ? active->Confirm() : 0;
}
