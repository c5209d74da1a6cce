#include <doctest/doctest.h>

#include <cstring>
#include <string>
#include <vector>

#include "FakeSetListView.h"
#include "SetList.h"
#include "SyncSet.h"

namespace {

std::vector<std::string> Names(const SetList& list)
{
    std::vector<std::string> names;
    for (int i = 0; i < list.Count(); ++i)
        names.push_back(list.NameAt(i));
    return names;
}

// Fills the list through the fields, so entry 0 ends up being names[0].
void Fill(SetList& list, FakeSetListView& view, const std::vector<std::string>& names)
{
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        view.Type(name->c_str(), (*name + "-src").c_str(), (*name + "-dst").c_str());
        list.ReadFields();
        list.InsertCurrentAtTop();
    }
    list.LoadSetAt(0);
    list.ShowCurrent();
    list.SelectTop();
}

}

TEST_CASE("set list: equal names stay distinct sets; indices past the end are harmless")
{
    FakeSetListView view;
    SetList list(&view);
    Fill(list, view, {"Same", "Other", "Same"});
    CHECK(std::string(list.RecordAt(0).Source()) == "Same-src");
    view.Type("Same", "first", "first");
    list.CommitFields();
    view.selection = 2;
    list.ChooseSet();
    CHECK(Names(list) == std::vector<std::string>{"Same", "Same", "Other"});
    CHECK(std::string(list.RecordAt(0).Source()) == "Same-src");
    CHECK(std::string(list.RecordAt(1).Source()) == "first");

    list.RemoveSetAt(3);
    list.RemoveSetAt(-1);
    CHECK(list.Count() == 3);
    list.LoadSetAt(7);
    CHECK(std::string(list.Current().name) == "New set");
    // The name box mirrors the list.
    CHECK(view.names == Names(list));

    list.Clear();
    CHECK(list.Count() == 0);
    CHECK(view.names.empty());
}
