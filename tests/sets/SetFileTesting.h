#ifndef OMBREL_SETFILETESTING_H
#define OMBREL_SETFILETESTING_H

#include <ostream>
#include <string>
#include <vector>

class SetList;

// One set as tests describe it; entry 0 first.
struct TestSet {
    std::string name, source, destination;
    int deleteFlag, dosTimeFlag, forceFlag, excludeObjectFlag;
    bool operator==(const TestSet& other) const;
};
std::ostream& operator<<(std::ostream& out, const TestSet& set);

// Makes the list hold exactly these sets, sets[0] as entry 0.
void FillList(SetList& list, const std::vector<TestSet>& sets);
std::vector<TestSet> Contents(const SetList& list);

#endif
