#ifndef OMBREL_SYNCTREES_H
#define OMBREL_SYNCTREES_H

#include "BoxRecorder.h"
#include "ScriptedHost.h"
#include "SyncRun.h"

#include "TempFolder.h"
#include "TestProcess.h"
#include "TreeBuilder.h"
#include "TreeSnapshot.h"

#include <algorithm>
#include <string>
#include <vector>

// A source and a destination folder in a fresh temporary folder, the boxes
// a run shows and the window stand-in it answers to.
struct SyncTrees {
    TempFolder temp;
    std::string src = temp / "src";
    std::string dst = temp / "dst";
    BoxRecorder boxes;
    ScriptedHost host;
    SyncTrees()
    {
        MakeFolder(src);
        MakeFolder(dst);
    }
};

// A base file time for the trees, and one second of file time.
const unsigned long long T = TicksOf(2022, 6, 1, 9, 0, 0);
const unsigned long long S = TicksPerSecond;

// Whether the last box shown holds the text.
inline bool Has(const BoxRecorder& boxes, const std::string& part)
{
    return boxes.LastText().find(part) != std::string::npos;
}

inline SyncOptions Options(int deleteOrphans, int dosTime, int force, int excludeObj)
{
    return SyncOptions{deleteOrphans, dosTime, force, excludeObj};
}

// One whole run; the counts are copied out when asked for.
inline int Run(ScriptedHost& host, const SyncOptions& options, const std::string& source,
               const std::string& destination, OperationCounts* counts = nullptr)
{
    SyncRun run(host, options);
    int result = run.RunSet(source.c_str(), destination.c_str());
    if (counts)
        *counts = run.Counts();
    return result;
}

// The delete pass alone, without questions.
inline int Prune(ScriptedHost& host, const std::string& source, const std::string& destination)
{
    SyncRun run(host, Options(1, 0, 1, 0));
    run.SetConfirm(0);
    return run.PruneTree(Widen(source.c_str()), Widen(destination.c_str()));
}

// Whether a copy is under way in the folder: its temporary file is there.
inline bool CopyUnderWay(const std::string& folder)
{
    std::vector<std::string> names = FolderNames(folder);
    return std::any_of(names.begin(), names.end(), IsTemporaryCopyName);
}

inline bool Contains(const std::vector<std::string>& list, const std::string& item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

#endif
