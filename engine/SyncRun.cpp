#include "SyncRun.h"

#include "DeletePass.h"
#include "EngineReports.h"
#include "FolderIdentity.h"
#include "RunGuards.h"
#include "UpdatePass.h"
#include "WidePath.h"

int SyncRun::RunSet(const char* source, const char* destination)
{
    std::wstring from;
    std::wstring to;
    for (const char* path : {source, destination}) {
        if (!WidenStrictly(path, path == source ? &from : &to)) {
            ReportUndefinedText(run.host, path);
            return 0;
        }
    }
    return RunSet(from, to);
}

int SyncRun::RunSet(const std::wstring& source, const std::wstring& destination)
{
    run.counts = OperationCounts();
    std::wstring from;
    std::wstring to;
    if (!CheckSafeFolders(run.host, source, destination, &from, &to))
        return 0;
    // Known before the update pass, which may outlast the source's drive.
    FolderId sourceId;
    bool known = ReadFolderId(from, &sourceId) != 0;
    DWORD destinationAttributes = GetFileAttributesW(to.c_str());
    run.StartPass();
    int result = UpdatePass(run, readAhead).Run(from, to);
    if (result && run.options.deleteOrphans) {
        // Yes to All of the update pass does not reach the delete pass.
        run.StartPass();
        result = DeletePass(run, known ? &sourceId : nullptr, destinationAttributes).Run(from, to);
    }
    run.host.ShowStatus(std::wstring());
    return result;
}

int SyncRun::PruneTree(const std::wstring& source, const std::wstring& destination)
{
    return DeletePass(run, nullptr).Run(NormalPath(source), NormalPath(destination));
}
