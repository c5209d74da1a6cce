#ifndef OMBREL_SETFILETESTING_H
#define OMBREL_SETFILETESTING_H

#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "SetList.h"
#include "SyncSet.h"

// One set as tests describe it; entry 0 first.
struct TestSet {
    std::string name, source, destination;
    int deleteFlag, dosTimeFlag, forceFlag, excludeObjectFlag;
    bool operator==(const TestSet& other) const
    {
        return name == other.name && source == other.source && destination == other.destination &&
               deleteFlag == other.deleteFlag && dosTimeFlag == other.dosTimeFlag && forceFlag == other.forceFlag &&
               excludeObjectFlag == other.excludeObjectFlag;
    }
};

inline std::ostream& operator<<(std::ostream& out, const TestSet& set)
{
    return out << "[" << set.name << "|" << set.source << "|" << set.destination << "|" << set.deleteFlag
               << set.dosTimeFlag << set.forceFlag << set.excludeObjectFlag << "]";
}

// Makes the list hold exactly these sets, sets[0] as entry 0.
inline void FillList(SetList& list, const std::vector<TestSet>& sets)
{
    list.Clear();
    CurrentSet& current = list.Current();
    for (auto set = sets.rbegin(); set != sets.rend(); ++set) {
        std::strcpy(current.name, set->name.c_str());
        std::strcpy(current.source, set->source.c_str());
        std::strcpy(current.destination, set->destination.c_str());
        current.deleteFlag = set->deleteFlag;
        current.dosTimeFlag = set->dosTimeFlag;
        current.forceFlag = set->forceFlag;
        current.excludeObjectFlag = set->excludeObjectFlag;
        list.InsertCurrentAtTop();
    }
}

inline std::vector<TestSet> Contents(const SetList& list)
{
    std::vector<TestSet> sets;
    for (int i = 0; i < list.Count(); ++i) {
        const SyncSet& r = list.RecordAt(i);
        sets.push_back({list.NameAt(i), r.Source(), r.Destination(), r.DeleteFlag(), r.DosTimeFlag(), r.ForceFlag(),
                        r.ExcludeObjectFlag()});
    }
    return sets;
}

#endif
