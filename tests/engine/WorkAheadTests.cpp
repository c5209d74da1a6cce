#include "WorkAhead.h"

#include "WidePath.h"

#include "TempFolder.h"
#include "TestProcess.h"
#include "TreeBuilder.h"

#include <doctest/doctest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::wstring> NamesOf(const FolderIndex& listing)
{
    std::vector<std::wstring> names;
    for (const FolderEntry& entry : listing.Entries())
        names.push_back(entry.name);
    return names;
}

std::wstring W(const std::string& path)
{
    return LongPath(Widen(path.c_str()));
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
        tickets.push_back(work.ListLater(At(folder), W(temp / ("src\\d" + std::to_string(folder)))));
    WorkAhead::Ticket missing = work.ListLater(At(6), W(temp / "src\\none"));
    for (unsigned folder = 0; folder < 6; ++folder) {
        std::string path = temp / ("src\\d" + std::to_string(folder));
        FolderIndex ahead;
        FolderIndex now;
        REQUIRE(work.TakeListing(tickets[folder], W(path), &ahead) == FolderIndex::Listed);
        REQUIRE(now.Read(W(path)) == FolderIndex::Listed);
        CHECK(NamesOf(ahead) == NamesOf(now));
        CHECK(ahead.Entries().size() == folder + 1);
    }
    FolderIndex none;
    CHECK(work.TakeListing(missing, W(temp / "src\\none"), &none) == FolderIndex::Missing);
    // A ticket is used up by taking it.
    FolderIndex again;
    CHECK(work.TakeListing(tickets[0], W(temp / "src\\d5"), &again) == FolderIndex::Listed);
    CHECK(again.Entries().size() == 6);

    std::string source = temp / "src\\d0\\f0.txt";
    std::string target = temp / "dst\\f0.txt";
    WorkAhead::Ticket copy = work.CopyLater(At(7), W(source), W(target));
    TemporaryCopy taken;
    work.TakeCopy(copy, W(source), W(target), &taken);
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
            tickets.push_back(work.CopyLater(At(file), W(temp / ("src\\" + name)), W(temp / ("dst\\" + name))));
        }
        // Every third is taken and committed, every third given up, and the
        // rest are left to the helpers' end, whether started or not.
        for (unsigned file = 0; file < 60; ++file) {
            std::string name = "f" + std::to_string(file) + ".txt";
            if (file % 3 == 0) {
                TemporaryCopy copy;
                work.TakeCopy(tickets[file], W(temp / ("src\\" + name)), W(temp / ("dst\\" + name)),
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

TEST_CASE("a take that waits for a helper calls back meanwhile, and gets the whole copy")
{
    TempFolder temp;
    std::string data(64 * 1024 * 1024, 'x');
    data[12345] = 'y';
    MakeFile(temp / "src\\big.bin", data);
    MakeFolder(temp / "dst");
    WorkAhead work(1);
    int calls = 0;
    work.WhileWaiting([&] { ++calls; });
    WorkAhead::Ticket copy = work.CopyLater(At(0), W(temp / "src\\big.bin"), W(temp / "dst\\big.bin"));
    // Taken once the helper is writing it (a take drops a copy not begun).
    for (int wait = 0; wait < 5000 && FolderNames(temp / "dst").empty(); ++wait)
        Sleep(1);
    REQUIRE_FALSE(FolderNames(temp / "dst").empty());
    TemporaryCopy taken;
    work.TakeCopy(copy, W(temp / "src\\big.bin"), W(temp / "dst\\big.bin"), &taken);
    CHECK(calls > 0);
    REQUIRE(taken.Commit(false) == 1);
    CHECK(ReadWholeFile(temp / "dst\\big.bin") == data);
}

TEST_CASE("work finished too long before it is taken is done again")
{
    TempFolder temp;
    MakeFile(temp / "src\\a.txt", "first");
    MakeFolder(temp / "dst");
    // Nothing done ahead is fresh enough: every take reads anew.
    WorkAhead work(2, 0);
    WorkAhead::Ticket listing = work.ListLater(At(0), W(temp / "src"));
    WorkAhead::Ticket copy = work.CopyLater(At(1), W(temp / "src\\a.txt"), W(temp / "dst\\a.txt"));
    // Both are done with what was there before the change.
    for (int wait = 0; wait < 500 && work.Busy(); ++wait)
        Sleep(10);
    REQUIRE_FALSE(work.Busy());
    MakeFile(temp / "src\\b.txt", "b");
    MakeFile(temp / "src\\a.txt", "second");
    FolderIndex index;
    REQUIRE(work.TakeListing(listing, W(temp / "src"), &index) == FolderIndex::Listed);
    CHECK(index.Entries().size() == 2);
    TemporaryCopy taken;
    work.TakeCopy(copy, W(temp / "src\\a.txt"), W(temp / "dst\\a.txt"), &taken);
    REQUIRE(taken.Commit(false) == 1);
    CHECK(ReadWholeFile(temp / "dst\\a.txt") == "second");
}
