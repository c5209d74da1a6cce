#include <doctest/doctest.h>

#include <cstring>
#include <string>
#include <vector>

#include "EFlags.h"
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

// The name box must always mirror the list.
void CheckMirror(const SetList& list, const FakeSetListView& view)
{
    CHECK(view.names == Names(list));
}

}

TEST_CASE("set list: choosing moves the chosen set to the top and keeps the edits of the one left")
{
    FakeSetListView view;
    SetList list(&view);
    Fill(list, view, {"A", "B", "C", "D", "E"});

    SUBCASE("entry 3 of five")
    {
        std::strcpy(view.fields.source, "A-edited");
        view.fields.forceFlag = 1;
        view.selection = 3;   // the box text still reads "A" while the choice is confirmed
        list.ChooseSet();
        CHECK(Names(list) == std::vector<std::string>{"D", "A", "B", "C", "E"});
        CHECK(std::string(list.RecordAt(1).Source()) == "A-edited");
        CHECK(list.RecordAt(1).ForceFlag() == 1);
        CHECK(std::string(view.fields.name) == "D");
        CHECK(std::string(view.fields.source) == "D-src");
        CHECK(view.fields.forceFlag == 0);
        CHECK(view.selection == 0);
    }
    SUBCASE("the top entry keeps the order and the edits")
    {
        std::strcpy(view.fields.destination, "A-edited");
        view.selection = 0;
        list.ChooseSet();
        CHECK(Names(list) == std::vector<std::string>{"A", "B", "C", "D", "E"});
        CHECK(std::string(list.RecordAt(0).Destination()) == "A-edited");
        CHECK(std::string(view.fields.destination) == "A-edited");
    }
    SUBCASE("no selection: nothing")
    {
        std::strcpy(view.fields.source, "A-edited");
        view.selection = -1;
        list.ChooseSet();
        CHECK(std::string(list.RecordAt(0).Source()) == "A-src");
    }
    CheckMirror(list, view);
    CHECK(list.Count() == 5);
}

TEST_CASE("set list: committing, deleting and new sets")
{
    EJapanese = 0;
    FakeSetListView view;
    SetList list(&view);

    SUBCASE("commit on an empty list inserts the fields as its only entry")
    {
        view.Type("Mine", "C:\\a", "D:\\b");
        view.fields.deleteFlag = 1;
        list.CommitFields();
        REQUIRE(list.Count() == 1);
        CHECK(std::string(list.NameAt(0)) == "Mine");
        CHECK(std::string(list.RecordAt(0).Destination()) == "D:\\b");
        CHECK(list.RecordAt(0).DeleteFlag() == 1);
    }
    SUBCASE("deleting the last entry leaves an empty list and the defaults in the fields")
    {
        Fill(list, view, {"Only"});
        view.fields.excludeObjectFlag = 1;
        list.DeleteSet();
        CHECK(list.Count() == 0);
        CHECK(std::string(view.fields.source) == "set source folder's path");
        CHECK(std::string(view.fields.destination) == "set destination folder's path");
        CHECK(view.fields.excludeObjectFlag == 0);
        // The box keeps whatever text it shows; a commit names the new entry by it.
        std::strcpy(view.fields.name, "Typed");
        list.RefreshTopSet();
        CHECK(Names(list) == std::vector<std::string>{"Typed"});
        CHECK(std::string(list.RecordAt(0).Source()) == "set source folder's path");
    }
    SUBCASE("a new set keeps the edits of the set left and stands on top with the defaults")
    {
        Fill(list, view, {"A", "B"});
        std::strcpy(view.fields.source, "kept edit");
        CHECK(list.NewSet() == 1);
        CHECK(Names(list) == std::vector<std::string>{"New set", "A", "B"});
        CHECK(std::string(list.RecordAt(1).Source()) == "kept edit");
        CHECK(std::string(view.fields.name) == "New set");
        CHECK(std::string(view.fields.source) == "set source folder's path");
        CHECK(list.RecordAt(0).DeleteFlag() + list.RecordAt(0).DosTimeFlag() + list.RecordAt(0).ForceFlag() +
                  list.RecordAt(0).ExcludeObjectFlag() ==
              0);
    }
    SUBCASE("Japanese defaults are Shift-JIS")
    {
        EJapanese = 1;
        list.NewSet();
        EJapanese = 0;
        // 新しいｾｯﾄ
        CHECK(std::string(list.NameAt(0)) == "\x90\x56\x82\xb5\x82\xa2\xbe\xaf\xc4");
        // 転送元ﾌｫﾙﾀﾞの指定
        CHECK(std::string(list.RecordAt(0).Source()) ==
              "\x93\x5d\x91\x97\x8c\xb3\xcc\xab\xd9\xc0\xde\x82\xcc\x8e\x77\x92\xe8");
        CHECK(std::string(list.RecordAt(0).Destination()) ==
              "\x93\x5d\x91\x97\x90\xe6\xcc\xab\xd9\xc0\xde\x82\xcc\x8e\x77\x92\xe8");
    }
    CheckMirror(list, view);
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
    CheckMirror(list, view);

    list.Clear();
    CHECK(list.Count() == 0);
    CheckMirror(list, view);
}
