#include "SetList.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "EFlags.h"
#include "SetLine.h"
#include "SetListView.h"
#include "SyncSet.h"

namespace {

// The folder defaults are prompts, not paths: a run with them fails its
// folder check.
const char* const NewSetName[2] = {"New set", "新しいｾｯﾄ"};
const char* const NewSetSource[2] = {"set source folder's path", "転送元ﾌｫﾙﾀﾞの指定"};
const char* const NewSetDestination[2] = {"set destination folder's path", "転送先ﾌｫﾙﾀﾞの指定"};

// Copies at most 259 bytes; the field stays terminated.
void CopyField(char (&field)[CurrentSet::TextSize], const char* text)
{
    std::strncpy(field, text, CurrentSet::TextSize - 1);
    field[CurrentSet::TextSize - 1] = '\0';
}

}

void SetList::Clear()
{
    entries.clear();
    records.Clear();
    // Fields left from the sets cleared away would be taken for a new set.
    current = CurrentSet();
    if (view) {
        view->ClearNames();
        view->ShowFields(current);
    }
}

void SetList::ResetToNewSet()
{
    int japanese = EJapanese ? 1 : 0;
    CopyField(current.name, NewSetName[japanese]);
    CopyField(current.source, NewSetSource[japanese]);
    CopyField(current.destination, NewSetDestination[japanese]);
    current.deleteFlag = current.dosTimeFlag = current.forceFlag = current.excludeObjectFlag = 0;
}

void SetList::ClearCurrent()
{
    current = CurrentSet();
}

namespace {

// A record of the set, owned by records; null when memory ran out.
SyncSet* MakeRecord(const CurrentSet& current, EObjectList& records)
{
    SyncSet* record = new (std::nothrow) SyncSet(current.source, current.destination, current.deleteFlag,
                                                 current.dosTimeFlag, current.forceFlag, current.excludeObjectFlag);
    if (!record)
        return nullptr;
    if (!record->Valid() || !records.Append(record)) {
        delete record;
        return nullptr;
    }
    return record;
}

}

int SetList::InsertCurrentAtTop()
{
    SyncSet* record = MakeRecord(current, records);
    if (!record)
        return 0;
    entries.insert(entries.begin(), Entry{current.name, record});
    if (view)
        view->InsertNameAtTop(current.name);
    return 1;
}

int SetList::AppendCurrentUnshown()
{
    SyncSet* record = MakeRecord(current, records);
    if (!record)
        return 0;
    entries.push_back(Entry{current.name, record});
    return 1;
}

void SetList::FinishLoading()
{
    std::reverse(entries.begin(), entries.end());
    if (!view)
        return;
    std::vector<const char*> names;
    names.reserve(entries.size());
    for (const Entry& entry : entries)
        names.push_back(entry.name.c_str());
    view->AppendNames(names);
}

void SetList::RemoveSetAt(int index)
{
    if (index < 0 || index >= Count())
        return;
    records.Remove(entries[index].record);
    entries.erase(entries.begin() + index);
    if (view)
        view->DeleteNameAt(index);
}

void SetList::LoadSetAt(int index)
{
    if (index < 0 || index >= Count()) {
        ResetToNewSet();
        return;
    }
    const SyncSet& record = *entries[index].record;
    CopyField(current.name, entries[index].name.c_str());
    CopyField(current.source, record.Source());
    CopyField(current.destination, record.Destination());
    current.deleteFlag = record.DeleteFlag();
    current.dosTimeFlag = record.DosTimeFlag();
    current.forceFlag = record.ForceFlag();
    current.excludeObjectFlag = record.ExcludeObjectFlag();
}

void SetList::ShowCurrent()
{
    if (view)
        view->ShowFields(current);
}

void SetList::ReadFields()
{
    if (view)
        view->ReadFields(current);
}

void SetList::SelectTop()
{
    if (view)
        view->SelectTop();
}

int SetList::StoreFields(bool tellRefusal)
{
    ReadFields();
    if (!IsStorableName(current.name)) {
        if (tellRefusal && view)
            view->RefuseName(current.name);
        return 0;
    }
    RemoveSetAt(0);
    InsertCurrentAtTop();
    return 1;
}

int SetList::CommitFields()
{
    return StoreFields(true);
}

bool SetList::ShowsDeletedLastSet() const
{
    // The box keeps the deleted set's name; the rest shows the defaults.
    int japanese = EJapanese ? 1 : 0;
    return std::strcmp(current.source, NewSetSource[japanese]) == 0 &&
           std::strcmp(current.destination, NewSetDestination[japanese]) == 0 && !current.deleteFlag &&
           !current.dosTimeFlag && !current.forceFlag && !current.excludeObjectFlag;
}

bool SetList::FieldsHoldSet() const
{
    return (current.name[0] || current.source[0] || current.destination[0] || current.deleteFlag ||
            current.dosTimeFlag || current.forceFlag || current.excludeObjectFlag) &&
           !ShowsDeletedLastSet();
}

int SetList::CommitBeforeSave()
{
    if (!view)
        return 1;
    if (Count() == 0) {
        ReadFields();
        if (!FieldsHoldSet())
            return 1;
    }
    return CommitFields();
}

int SetList::NewSet()
{
    if (!CommitBeforeSave())
        return 0;
    ResetToNewSet();
    InsertCurrentAtTop();
    ShowCurrent();
    SelectTop();
    return 1;
}

void SetList::DeleteSet()
{
    if (Count() > 0 && view && !view->ConfirmDeleteSet(NameAt(0)))
        return;
    RemoveSetAt(0);
    LoadSetAt(0);
    ShowCurrent();
    SelectTop();
}

int SetList::ChooseSet()
{
    int chosen = view ? view->Selection() : -1;
    if (chosen < 0)
        return 1;
    // Replacing entry 0 in place keeps every other index, so chosen still
    // names the chosen set.
    if (!CommitFields())
        return 0;
    LoadSetAt(chosen);
    RemoveSetAt(chosen);
    InsertCurrentAtTop();
    ShowCurrent();
    SelectTop();
    return 1;
}

void SetList::RefreshTopSet()
{
    if (!StoreFields(false))
        return;
    ShowCurrent();
    SelectTop();
}
