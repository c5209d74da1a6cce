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

    // Empties the list, destroying every record, and the fields.
    void Clear();

    // Current set := the defaults of a new set in the interface language.
    void ResetToNewSet();
    // Current set := empty texts, options off.
    void ClearCurrent();
    // A new entry 0 from the current set. 0 when memory ran out (nothing
    // inserted).
    int InsertCurrentAtTop();
    // Loading: a new last entry from the current set, not shown yet. 0 when
    // memory ran out. Entries come in the file's order, the last one first;
    // FinishLoading puts them in list order and shows their names, so a
    // load is linear however many sets it holds.
    int AppendCurrentUnshown();
    void FinishLoading();
    // Nothing when index is out of range.
    void RemoveSetAt(int index);
    // The defaults of a new set when index is out of range.
    void LoadSetAt(int index);
    void ShowCurrent();
    void ReadFields();

    // Entry 0 := the fields; the fields become the first entry of an empty
    // list. 0 when the name could not be stored in the set file: the view
    // was told and nothing changed.
    int CommitFields();
    // Before anything that leaves the set shown (saving, a new set, another
    // file): commits when the list is not empty, or when the fields of an
    // empty list hold a set (anything but empty fields, or what deleting
    // its last set left there: its name over the new-set defaults). The
    // name box's selection does not decide: typing drops it, and edits made
    // after that would otherwise be lost. 1 when nothing was left to
    // commit; 0 when the name was refused as CommitFields refuses it.
    int CommitBeforeSave();
    // Commits as before saving, then the defaults become entry 0. 0 (nothing
    // changed) when the name was refused.
    int NewSet();
    // Removes entry 0, once the view has confirmed it, and shows the next
    // one, or the defaults.
    void DeleteSet();
    // Moves the name box's selected entry to the top, keeping the edits of
    // the set being left. 0 when their name was refused: nothing changed.
    int ChooseSet();
    // Stores the fields as entry 0 when their name can be stored; a name
    // that cannot waits in the box for the action that must refuse it.
    void RefreshTopSet();
    // Selects entry 0 in the name box.
    void SelectTop();

private:
    bool ShowsDeletedLastSet() const;
    bool FieldsHoldSet() const;
    // The fields read, stored as entry 0 when the name can be stored.
    int StoreFields(bool tellRefusal);

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
