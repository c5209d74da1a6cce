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

TEST_CASE("object list: appends in order, removes by identity and destroys what it removes")
{
    std::vector<int> destroyed;
    EObjectList list;
    Tracked* one = new Tracked(1, destroyed);
    Tracked* two = new Tracked(2, destroyed);
    Tracked* three = new Tracked(3, destroyed);
    CHECK(list.Append(one) == 1);
    CHECK(list.Append(two) == 1);
    CHECK(list.Append(three) == 1);
    CHECK(list.Count() == 3);
    CHECK(Walk(list) == std::vector<int>{1, 2, 3});
    CHECK(list.Next() == nullptr);   // at the end the cursor stays

    Tracked stranger(9, destroyed);
    CHECK(list.Remove(&stranger) == 0);
    CHECK(list.Count() == 3);
    CHECK(destroyed.empty());

    // Removing the tail: the next append still goes to the end.
    CHECK(list.Remove(three) == 1);
    CHECK(destroyed == std::vector<int>{3});
    CHECK(list.Append(new Tracked(4, destroyed)) == 1);
    CHECK(Walk(list) == std::vector<int>{1, 2, 4});

    // Removing the node under the cursor moves the cursor back one.
    CHECK(list.First() == one);
    CHECK(list.Next() == two);
    CHECK(list.Remove(two) == 1);
    CHECK(static_cast<Tracked*>(list.Next())->id == 4);
    CHECK(list.Count() == 2);
}

TEST_CASE("object list: emptied by removal it works as new; Clear destroys all and the name")
{
    std::vector<int> destroyed;
    EObjectList list;
    Tracked* only = new Tracked(1, destroyed);
    list.Append(only);
    CHECK(list.First() == only);
    CHECK(list.Remove(only) == 1);
    CHECK(list.Count() == 0);
    CHECK(list.First() == nullptr);
    CHECK(list.Next() == nullptr);
    list.Append(new Tracked(2, destroyed));
    list.Append(new Tracked(3, destroyed));
    CHECK(Walk(list) == std::vector<int>{2, 3});

    CHECK(list.SetName("&File") == 1);
    CHECK(std::string(list.Name()) == "&File");
    list.Clear();
    CHECK(destroyed == std::vector<int>{1, 2, 3});
    CHECK(list.Count() == 0);
    CHECK(list.Name() == nullptr);
    CHECK(list.First() == nullptr);

    {
        EObjectList scoped;
        scoped.Append(new Tracked(5, destroyed));
    }
    CHECK(destroyed.back() == 5);
}
