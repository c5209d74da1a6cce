#include "WorkAhead.h"

#include "TempFolder.h"
#include "TestProcess.h"
#include "TreeBuilder.h"

#include <doctest/doctest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::string> NamesOf(const FolderIndex& listing)
{
    std::vector<std::string> names;
    for (const FolderEntry& entry : listing.Entries())
        names.push_back(entry.name);
    return names;
}

WorkAhead::Place At(unsigned first, unsigned second = 0)
{
    return WorkAhead::Place{first, second};
}

}

TEST_CASE("listings and copies taken from the helpers are what doing them at once gives")
{
    TempFolder temp;
    for (int folder = 0; folder < 6; ++folder) {
        for (int file = 0; file <= folder; ++file)
            MakeFile(temp / ("src\\d" + std::to_string(folder) + "\\f" + std::to_string(file) + ".txt"), "x");
    }
    MakeFolder(temp / "dst");
    WorkAhead work(2);
    std::vector<WorkAhead::Ticket> tickets;
    for (unsigned folder = 0; folder < 6; ++folder)
        tickets.push_back(work.ListLater(At(folder), (temp / ("src\\d" + std::to_string(folder))).c_str(), false));
    WorkAhead::Ticket missing = work.ListLater(At(6), (temp / "src\\none").c_str(), false);
    for (unsigned folder = 0; folder < 6; ++folder) {
        std::string path = temp / ("src\\d" + std::to_string(folder));
        FolderIndex ahead;
        FolderIndex now;
        REQUIRE(work.TakeListing(tickets[folder], path.c_str(), false, &ahead) == FolderIndex::Listed);
        REQUIRE(now.Read(path.c_str()) == FolderIndex::Listed);
        CHECK(NamesOf(ahead) == NamesOf(now));
        CHECK(ahead.Entries().size() == folder + 1);
    }
    FolderIndex none;
    CHECK(work.TakeListing(missing, (temp / "src\\none").c_str(), false, &none) == FolderIndex::Missing);
    // A ticket is used up by taking it.
    FolderIndex again;
    CHECK(work.TakeListing(tickets[0], (temp / "src\\d5").c_str(), false, &again) == FolderIndex::Listed);
    CHECK(again.Entries().size() == 6);

    std::string source = temp / "src\\d0\\f0.txt";
    std::string target = temp / "dst\\f0.txt";
    WorkAhead::Ticket copy = work.CopyLater(At(7), source.c_str(), target.c_str());
    TemporaryCopy taken;
    work.TakeCopy(copy, source.c_str(), target.c_str(), &taken);
    CHECK(taken.Commit(false) == 1);
    CHECK(ReadWholeFile(target) == "x");
}

TEST_CASE("copies started ahead and not taken leave no trace")
{
    TempFolder temp;
    MakeFolder(temp / "dst");
    std::vector<std::string> committed;
    {
        WorkAhead work(2);
        std::vector<WorkAhead::Ticket> tickets;
        for (unsigned file = 0; file < 60; ++file) {
            std::string name = "f" + std::to_string(file) + ".txt";
            MakeFile(temp / ("src\\" + name), std::string(file * 1000, 'x'));
            tickets.push_back(work.CopyLater(At(file), (temp / ("src\\" + name)).c_str(), (temp / ("dst\\" + name)).c_str()));
        }
        // Every third is taken and committed, every third given up, and the
        // rest are left to the helpers' end, whether started or not.
        for (unsigned file = 0; file < 60; ++file) {
            std::string name = "f" + std::to_string(file) + ".txt";
            if (file % 3 == 0) {
                TemporaryCopy copy;
                work.TakeCopy(tickets[file], (temp / ("src\\" + name)).c_str(), (temp / ("dst\\" + name)).c_str(),
                              &copy);
                REQUIRE(copy.Commit(false) == 1);
                committed.push_back(name);
            } else if (file % 3 == 1) {
                work.Release(tickets[file]);
            }
        }
    }
    std::vector<std::string> names = FolderNames(temp / "dst");
    std::sort(names.begin(), names.end());
    std::sort(committed.begin(), committed.end());
    CHECK(names == committed);
}

TEST_CASE("work finished too long before it is taken is done again")
{
    TempFolder temp;
    MakeFile(temp / "src\\a.txt", "first");
    MakeFolder(temp / "dst");
    // Nothing done ahead is fresh enough: every take reads anew.
    WorkAhead work(2, 0);
    WorkAhead::Ticket listing = work.ListLater(At(0), (temp / "src").c_str(), false);
    WorkAhead::Ticket copy = work.CopyLater(At(1), (temp / "src\\a.txt").c_str(), (temp / "dst\\a.txt").c_str());
    // Both are done with what was there before the change.
    for (int wait = 0; wait < 500 && work.Busy(); ++wait)
        Sleep(10);
    REQUIRE_FALSE(work.Busy());
    MakeFile(temp / "src\\b.txt", "b");
    MakeFile(temp / "src\\a.txt", "second");
    FolderIndex index;
    REQUIRE(work.TakeListing(listing, (temp / "src").c_str(), false, &index) == FolderIndex::Listed);
    CHECK(index.Entries().size() == 2);
    TemporaryCopy taken;
    work.TakeCopy(copy, (temp / "src\\a.txt").c_str(), (temp / "dst\\a.txt").c_str(), &taken);
    REQUIRE(taken.Commit(false) == 1);
    CHECK(ReadWholeFile(temp / "dst\\a.txt") == "second");
}
