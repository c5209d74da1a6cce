#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "EObjectList.h"

namespace {

// Records its own destruction, so tests see what the list destroyed.
class Tracked : public EObject {
public:
    Tracked(int id, std::vector<int>& destroyed) : id(id), destroyed(destroyed) {}
    ~Tracked() override { destroyed.push_back(id); }
    int id;

private:
    std::vector<int>& destroyed;
};

std::vector<int> Walk(EObjectList& list)
{
    std::vector<int> ids;
    for (EObject* o = list.First(); o; o = list.Next())
        ids.push_back(static_cast<Tracked*>(o)->id);
    return ids;
}

}

TEST_CASE("object list: appends in order, removes by identity, destroys what it removes and works on when emptied")
{
    std::vector<int> destroyed;
    EObjectList list;
    Tracked* one = new Tracked(1, destroyed);
    Tracked* two = new Tracked(2, destroyed);
    Tracked* three = new Tracked(3, destroyed);
    for (Tracked* each : {one, two, three})
        CHECK(list.Append(each) == 1);
    CHECK(Walk(list) == std::vector<int>{1, 2, 3});
    CHECK(list.Next() == nullptr);   // at the end the cursor stays

    Tracked stranger(9, destroyed);
    CHECK(list.Remove(&stranger) == 0);
    CHECK(destroyed.empty());

    // Removing the tail: the next append still goes to the end.
    CHECK(list.Remove(three) == 1);
    CHECK(list.Append(new Tracked(4, destroyed)) == 1);
    CHECK(Walk(list) == std::vector<int>{1, 2, 4});

    // Removing the node under the cursor moves the cursor back one.
    CHECK(list.First() == one);
    CHECK(list.Next() == two);
    CHECK(list.Remove(two) == 1);
    CHECK(static_cast<Tracked*>(list.Next())->id == 4);

    // Emptied by removal, it works as new.
    CHECK(list.Remove(one) == 1);
    CHECK(list.Remove(list.First()) == 1);
    CHECK(list.Count() == 0);
    CHECK(list.First() == nullptr);
    CHECK(list.Next() == nullptr);
    list.Append(new Tracked(5, destroyed));
    CHECK(Walk(list) == std::vector<int>{5});

    CHECK(list.SetName("&File") == 1);
    CHECK(std::string(list.Name()) == "&File");
    list.Clear();
    CHECK(destroyed == std::vector<int>{3, 2, 1, 4, 5});
    CHECK(list.Name() == nullptr);
    CHECK(list.First() == nullptr);
    {
        EObjectList scoped;
        scoped.Append(new Tracked(6, destroyed));
    }
    CHECK(destroyed.back() == 6);
}
