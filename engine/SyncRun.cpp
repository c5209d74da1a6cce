#include "SyncRun.h"

#include "PathText.h"
#include "RunGuards.h"
#include "TreeReports.h"

SyncRun::SyncRun(SyncHost& host, const SyncOptions& options) : host(host), options(options) {}

int SyncRun::RunSet(const char* source, const char* destination)
{
    counts = OperationCounts();
    if (!CheckSafeFolders(host.Owner(), source, destination))
        return 0;
    // Known before the update pass, which may outlast the source's drive.
    sourceIdKnown = ReadFolderId(source, &sourceId) != 0;
    host.ClearAbort();
    confirm = options.force ? 0 : 1;
    int result = UpdateTree(source, destination);
    if (result && options.deleteOrphans) {
        // Yes to All of the update pass does not reach the delete pass.
        host.ClearAbort();
        confirm = options.force ? 0 : 1;
        result = PruneTree(source, destination);
    }
    host.ShowStatus("");
    return result;
}

int SyncRun::Step()
{
    host.PumpOneMessage();
    return host.AbortRequested() ? 0 : 1;
}

int SyncRun::Answer(int button, int noStops)
{
    switch (button) {
    case IDYES:
        return 1;
    case SyncYesToAll:
        confirm = 0;
        return 1;
    case IDNO:
        return noStops ? -1 : 0;
    default:
        return -1;
    }
}

int SyncRun::JoinBoth(char* sourceChild, const char* source, char* destinationChild, const char* destination,
                      const char* name)
{
    if (!JoinPath(sourceChild, source, name)) {
        ReportPathTooLong(host.Owner(), source);
        return 0;
    }
    if (!JoinPath(destinationChild, destination, name)) {
        ReportPathTooLong(host.Owner(), destination);
        return 0;
    }
    return 1;
}
