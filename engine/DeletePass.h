#ifndef OMBREL_DELETEPASS_H
#define OMBREL_DELETEPASS_H

#include "FolderIdentity.h"
#include "FolderIndex.h"
#include "RunContext.h"

#include <string>
#include <vector>

// The delete pass: removes from the destination what the source lacks. Only
// what a listing of the source has shown absent goes, and only while the
// source is still there and still the folder the run started with. Every
// operation returns 1 to go on and 0 to stop the run, as in the update pass.
class DeletePass {
public:
    // What a pass would do, walked without acting or asking.
    struct Plan {
        // The files the destination holds where the pass looks, and how many
        // of them would go; removedFolders as well.
        OperationCounts counts;
        int files = 0;
        bool sourceEmpty = false;
        bool destinationEmpty = true;
        // Whether the deletion guard asks before such a pass: most of the
        // destination goes, or all of it for an empty source.
        bool Guarded() const;
    };

    // sourceId is the source's identity as the run found it at its start,
    // or nullptr when it could not be read then (it is read now instead);
    // destinationAttributes, the destination's then. With plan, the pass only
    // walks and counts into it, and logs what it would do in a preview.
    DeletePass(RunContext& run, const FolderId* sourceId, DWORD destinationAttributes = INVALID_FILE_ATTRIBUTES,
               Plan* plan = nullptr);

    // Both are full paths in the \\?\ form.
    int Run(const std::wstring& source, const std::wstring& destination);
    // The plan the guard judged before the run; the pass asks the guard's
    // question once more where it would delete enough more than that plan
    // for the guard to ask. Unless the guard asked then.
    void KeepTo(const Plan& judged) { planned = judged.Guarded() ? nullptr : &judged; }

private:
    int PruneFolder(const std::wstring& source, const std::wstring& destination);
    // Each deletes a destination entry whose source counterpart (sourceChild)
    // a listing has shown missing.
    int PruneFile(const std::wstring& sourceChild, const std::wstring& path);
    int RemoveOrphanFolder(const std::wstring& sourceChild, const std::wstring& path);
    // Whether folder or a folder below it (links not followed) holds a ".obj" file.
    bool HoldsObjFile(const std::wstring& folder);
    // Prunes an orphan folder that stays, entry by entry; sourceChild is the
    // orphan's own counterpart path.
    int PruneOrphanContents(const std::wstring& sourceChild, const std::wstring& path);
    // Asks the source again just before a deletion: 1 it still lacks the
    // entry, 0 it has it now, -1 the source's top folder or a folder above
    // the entry has gone, or another stands in its place (told).
    int SourceStillLacks(const std::wstring& sourceChild);
    // 0, after a message, when the source's top folder is no longer the one
    // the run started with.
    int SourceIsTheSame();
    // 0, after a message, when the destination folder listed last is no
    // longer the one its path reaches (swapped for a link since).
    int HolderInPlace();
    // Lets a waiting message through before each entry of folder; 0, after a
    // message where one is due, when the run stops there.
    int MayVisit(const std::wstring& folder, const FolderEntry& entry);
    // Records folder, about to be pruned, as the holder of what follows.
    void Hold(const std::wstring& folder);
    // 0 when deleting the file or folder at path would take the pass so far
    // past its plan that the guard asks, and the answer is not Yes.
    int KeepsToPlan(const std::wstring& path, bool folder);

    struct Holder {
        std::wstring path;
        FolderId id;
        bool known;
    };

    RunContext& run;
    std::wstring sourceRoot;
    std::wstring destinationRoot;
    const Plan* planned = nullptr;
    FolderId sourceId;
    bool sourceIdKnown;
    DWORD startAttributes;
    Plan* plan;
    // The destination folders being pruned, outermost first.
    std::vector<Holder> holders;
};

#endif
