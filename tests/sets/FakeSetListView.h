#ifndef OMBREL_FAKESETLISTVIEW_H
#define OMBREL_FAKESETLISTVIEW_H

#include <string>
#include <vector>

#include "CurrentSet.h"
#include "SetListView.h"

// A name box, two fields and four check boxes as plain data. fields.name is
// the name box's text.
class FakeSetListView : public SetListView {
public:
    std::vector<std::string> names;
    int selection = -1;
    CurrentSet fields;
    // Every name refused, in order.
    std::vector<std::string> refused;

    void ReadFields(CurrentSet& current) override { current = fields; }
    void ShowFields(const CurrentSet& current) override;
    void InsertNameAtTop(const char* name) override { names.insert(names.begin(), name); }
    void AppendNames(const std::vector<const char*>& added) override { names.insert(names.end(), added.begin(), added.end()); }
    void DeleteNameAt(int index) override;
    void ClearNames() override;
    void SelectTop() override;
    int Selection() override { return selection; }
    void RefuseName(const char* name) override { refused.push_back(name); }
    bool ConfirmDeleteSet(const char* name) override
    {
        asked.push_back(name);
        return deleteAnswer;
    }
    std::vector<std::string> asked;
    bool deleteAnswer = true;

    // Puts texts into the fields as a user would type them.
    void Type(const char* name, const char* source, const char* destination);
};

#endif
