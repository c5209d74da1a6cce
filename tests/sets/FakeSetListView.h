#ifndef OMBREL_FAKESETLISTVIEW_H
#define OMBREL_FAKESETLISTVIEW_H

#include <cstring>
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
    std::vector<std::string> asked;
    bool deleteAnswer = true;

    void ReadFields(CurrentSet& current) override { current = fields; }
    void ShowFields(const CurrentSet& current) override
    {
        std::string name = fields.name;
        fields = current;
        std::strcpy(fields.name, name.c_str());
    }
    void InsertNameAtTop(const char* name) override { names.insert(names.begin(), name); }
    void AppendNames(const std::vector<const char*>& added) override { names.insert(names.end(), added.begin(), added.end()); }
    void DeleteNameAt(int index) override
    {
        names.erase(names.begin() + index);
        if (selection == index)
            selection = -1;
        else if (selection > index)
            --selection;
    }
    void ClearNames() override
    {
        names.clear();
        selection = -1;
        fields.name[0] = '\0';
    }
    // Like a combo box: selecting in an empty list fails and keeps the text.
    void SelectTop() override
    {
        if (!names.empty()) {
            selection = 0;
            std::strcpy(fields.name, names[0].c_str());
        }
    }
    int Selection() override { return selection; }
    void RefuseName(const char* name) override { refused.push_back(name); }
    bool ConfirmDeleteSet(const char* name) override
    {
        asked.push_back(name);
        return deleteAnswer;
    }

    // Puts texts into the fields as a user would type them.
    void Type(const char* name, const char* source, const char* destination)
    {
        std::strcpy(fields.name, name);
        std::strcpy(fields.source, source);
        std::strcpy(fields.destination, destination);
    }
};

#endif
