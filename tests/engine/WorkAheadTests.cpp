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

WorkAhead::Place At(unsigned first)
{
    return WorkAhead::Place{first, 0};
}

// Takes the copy for the ticket and commits it; whether that worked.
bool Commit(WorkAhead& work, WorkAhead::Ticket ticket, const std::string& source, const std::string& target)
{
    TemporaryCopy copy;
    work.TakeCopy(ticket, LongForm(source), LongForm(target), &copy);
    return copy.Commit(false) == 1;
}

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
            tickets.push_back(
                work.CopyLater(At(file), LongForm(temp / ("src\\" + name)), LongForm(temp / ("dst\\" + name))));
        }
        // Every third is taken and committed, every third given up, and the
        // rest are left to the helpers' end, whether started or not.
        for (unsigned file = 0; file < 60; ++file) {
            std::string name = "f" + std::to_string(file) + ".txt";
            if (file % 3 == 0) {
                REQUIRE(Commit(work, tickets[file], temp / ("src\\" + name), temp / ("dst\\" + name)));
                committed.push_back(name);
            } else if (file % 3 == 1) {
                work.Release(tickets[file]);
            }
        }
    }
    std::sort(committed.begin(), committed.end());
    CHECK(FolderNames(temp / "dst") == committed);
    CHECK(ReadWholeFile(temp / "dst\\f3.txt") == std::string(3000, 'x'));
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
    WorkAhead::Ticket copy = work.CopyLater(At(0), LongForm(temp / "src\\big.bin"), LongForm(temp / "dst\\big.bin"));
    // Taken once the helper is writing it (a take drops a copy not begun).
    for (int wait = 0; wait < 5000 && FolderNames(temp / "dst").empty(); ++wait)
        Sleep(1);
    REQUIRE_FALSE(FolderNames(temp / "dst").empty());
    REQUIRE(Commit(work, copy, temp / "src\\big.bin", temp / "dst\\big.bin"));
    CHECK(calls > 0);
    CHECK(ReadWholeFile(temp / "dst\\big.bin") == data);
}

TEST_CASE("work finished too long before it is taken is done again")
{
    TempFolder temp;
    MakeFile(temp / "src\\a.txt", "first");
    MakeFolder(temp / "dst");
    // Nothing done ahead is fresh enough: every take reads anew.
    WorkAhead work(2, 0);
    WorkAhead::Ticket listing = work.ListLater(At(0), LongForm(temp / "src"));
    WorkAhead::Ticket copy = work.CopyLater(At(1), LongForm(temp / "src\\a.txt"), LongForm(temp / "dst\\a.txt"));
    // Both are done with what was there before the change.
    for (int wait = 0; wait < 500 && work.Busy(); ++wait)
        Sleep(10);
    REQUIRE_FALSE(work.Busy());
    MakeFile(temp / "src\\b.txt", "b");
    MakeFile(temp / "src\\a.txt", "second");
    FolderIndex index;
    REQUIRE(work.TakeListing(listing, LongForm(temp / "src"), &index) == FolderIndex::Listed);
    CHECK(index.Entries().size() == 2);
    REQUIRE(Commit(work, copy, temp / "src\\a.txt", temp / "dst\\a.txt"));
    CHECK(ReadWholeFile(temp / "dst\\a.txt") == "second");
}
