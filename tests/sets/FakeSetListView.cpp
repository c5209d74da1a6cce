#include "FakeSetListView.h"

#include <cstring>

void FakeSetListView::ShowFields(const CurrentSet& current)
{
    std::memcpy(fields.source, current.source, sizeof fields.source);
    std::memcpy(fields.destination, current.destination, sizeof fields.destination);
    fields.deleteFlag = current.deleteFlag;
    fields.dosTimeFlag = current.dosTimeFlag;
    fields.forceFlag = current.forceFlag;
    fields.excludeObjectFlag = current.excludeObjectFlag;
}

void FakeSetListView::DeleteNameAt(int index)
{
    names.erase(names.begin() + index);
    if (selection == index)
        selection = -1;
    else if (selection > index)
        --selection;
}

void FakeSetListView::ClearNames()
{
    names.clear();
    selection = -1;
    fields.name[0] = '\0';
}

// Like a combo box: selecting in an empty list fails and keeps the text.
void FakeSetListView::SelectTop()
{
    if (names.empty())
        return;
    selection = 0;
    std::strcpy(fields.name, names[0].c_str());
}

void FakeSetListView::Type(const char* name, const char* source, const char* destination)
{
    std::strcpy(fields.name, name);
    std::strcpy(fields.source, source);
    std::strcpy(fields.destination, destination);
}
