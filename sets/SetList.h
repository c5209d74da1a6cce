#ifndef OMBREL_SETLIST_H
#define OMBREL_SETLIST_H

#include <string>
#include <vector>

#include "CurrentSet.h"
#include "EObjectList.h"

class SetListView;
class SyncSet;

// The sync sets in most-recently-used order (entry 0 is the current set),
// the records that keep them, and the current set. Every change of the list
// is mirrored into the view's name box; without a view the list works alone
// (reading fields then leaves the current set as it is).
class SetList {
public:
    explicit SetList(SetListView* view = nullptr) : view(view) {}
    SetList(const SetList&) = delete;
    SetList& operator=(const SetList&) = delete;

    CurrentSet& Current() { return current; }
    const CurrentSet& Current() const { return current; }
    int Count() const { return static_cast<int>(entries.size()); }
    // Index must be below Count().
    const char* NameAt(int index) const { return entries[index].name.c_str(); }
    const SyncSet& RecordAt(int index) const { return *entries[index].record; }

    // Empties the list, destroying every record.
    void Clear();

    // Current set := the defaults of a new set in the interface language.
    void ResetToNewSet();
    // Current set := empty texts, options off.
    void ClearCurrent();
    // A new entry 0 from the current set. 0 when memory ran out (nothing
    // inserted).
    int InsertCurrentAtTop();
    // Nothing when index is out of range.
    void RemoveSetAt(int index);
    // The defaults of a new set when index is out of range.
    void LoadSetAt(int index);
    void ShowCurrent();
    void ReadFields();

    // Entry 0 := the fields; the fields become the first entry of an empty list.
    void CommitFields();
    // Before saving: commits when the list is not empty, or when the fields
    // of an empty list hold a name and more than what deleting its last set
    // left there (its name over the new-set defaults). The name box's
    // selection does not decide: typing drops it, and edits made after that
    // would otherwise be lost.
    void CommitBeforeSave();
    // Uncommitted edits are dropped; the defaults become entry 0.
    void NewSet();
    // Removes entry 0 and shows the next one, or the defaults.
    void DeleteSet();
    // Moves the name box's selected entry to the top, keeping the edits of
    // the set being left.
    void ChooseSet();
    void RefreshTopSet();
    // Selects entry 0 in the name box.
    void SelectTop();

private:
    bool ShowsDeletedLastSet() const;

    struct Entry {
        std::string name;
        SyncSet* record;   // owned by records
    };

    SetListView* view;
    CurrentSet current;
    std::vector<Entry> entries;
    EObjectList records;
};

#endif
