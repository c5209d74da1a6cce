#include "RunContext.h"

#include "FileActions.h"
#include "FolderIndex.h"
#include "WidePath.h"

#include <windows.h>

void RunContext::StartPass()
{
    host.ClearAbort();
    confirm = options.force ? 0 : 1;
}

int RunContext::Step()
{
    host.PumpOneMessage();
    return host.AbortRequested() ? 0 : 1;
}

int RunContext::Answer(int button, bool noStops)
{
    ++answered;
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

bool RunContext::Excluded(const std::wstring& name) const
{
    return options.excludeObj && EndsWith(name, L".obj");
}

void RunContext::RemoveLeftovers(const std::wstring& folder, const FolderIndex& listing)
{
    // A copy being written is open without sharing, so its deletion fails.
    for (const std::wstring& leftover : listing.Leftovers())
        RemoveLeftover(JoinName(folder, leftover));
}
