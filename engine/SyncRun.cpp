#include "SyncRun.h"

#include "BilingualText.h"
#include "DeletePass.h"
#include "EngineReports.h"
#include "FolderIdentity.h"
#include "RunGuards.h"
#include "UpdatePass.h"
#include "WidePath.h"

namespace {

// The status bar's last word on a run that ended early.
std::wstring EndText(RunContext::Stop stop)
{
    switch (stop) {
    case RunContext::Aborted:
        return Widen(Bilingual("The run was aborted.", "処理を中断しました。"));
    case RunContext::Cancelled:
        return Widen(Bilingual("The run was cancelled.", "処理をｷｬﾝｾﾙしました。"));
    case RunContext::Failed:
        return Widen(Bilingual("The run was stopped by an error.", "ｴﾗｰのため処理を中止しました。"));
    default:
        return std::wstring();
    }
}

}

int SyncRun::RunSet(const char* source, const char* destination)
{
    std::wstring from;
    std::wstring to;
    for (const char* path : {source, destination}) {
        if (!WidenStrictly(path, path == source ? &from : &to)) {
            ReportUndefinedText(run.host, path);
            run.stop = RunContext::Failed;
            run.host.ShowStatus(EndText(run.stop));
            return 0;
        }
    }
    return RunSet(from, to);
}

int SyncRun::RunSet(const std::wstring& source, const std::wstring& destination)
{
    run.counts = OperationCounts();
    run.stop = RunContext::NotStopped;
    guarded = false;
    std::wstring from;
    std::wstring to;
    if (!CheckSafeFolders(run.host, source, destination, &from, &to)) {
        run.stop = RunContext::Failed;
        run.host.ShowStatus(EndText(run.stop));
        return 0;
    }
    // The guards read the identity of every folder above both.
    run.host.PumpOneMessage();
    // Known before the update pass, which may outlast the source's drive.
    FolderId sourceId;
    const FolderId* known = ReadFolderId(from, &sourceId) ? &sourceId : nullptr;
    run.sourceRoot = from;
    run.sourceId = known;
    DWORD destinationAttributes = GetFileAttributesW(to.c_str());
    int result = 1;
    // The delete pass is planned before anything changes, so that the guard
    // can stop a run that would empty the destination before it starts.
    DeletePass::Plan plan;
    if (run.options.deleteOrphans && !run.preview) {
        run.StartPass();
        result = DeletePass(run, known, destinationAttributes, &plan).Run(from, to);
        if (result && plan.Guarded()) {
            run.host.ShowStatus(std::wstring());
            if (run.Answer(run.host.ConfirmMassDelete(plan.counts.deleted, plan.files, ShownPath(to)), true) < 0)
                result = 0;
        }
    }
    if (result) {
        run.StartPass();
        result = UpdatePass(run, readAhead).Run(from, to);
    }
    if (result && run.options.deleteOrphans) {
        // Yes to All of the update pass does not reach the delete pass.
        run.StartPass();
        DeletePass pass(run, known, destinationAttributes, run.preview ? &plan : nullptr);
        // A source changed during the update pass may leave more to delete.
        if (!run.preview)
            pass.KeepTo(plan);
        result = pass.Run(from, to);
        if (run.preview) {
            run.counts.deleted = plan.counts.deleted;
            run.counts.removedFolders = plan.counts.removedFolders;
            guarded = plan.Guarded();
        }
    }
    run.LogNewer();
    run.LogSkipped();
    if (!result && run.stop == RunContext::NotStopped)
        run.stop = RunContext::Failed;
    run.sourceId = nullptr;
    run.host.ShowStatus(EndText(run.stop));
    return result;
}

int SyncRun::PruneTree(const std::wstring& source, const std::wstring& destination)
{
    return DeletePass(run, nullptr).Run(NormalPath(source), NormalPath(destination));
}
