#include "WorkAhead.h"

#include "SyncTrees.h"

#include <doctest/doctest.h>

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

TEST_CASE_FIXTURE(SyncTrees, "copies started ahead and not taken leave no trace")
{
    std::vector<std::string> committed;
    {
        WorkAhead work(2);
        std::vector<WorkAhead::Ticket> tickets;
        for (unsigned file = 0; file < 60; ++file) {
            std::string name = "\\f" + std::to_string(file) + ".txt";
            MakeFile(src + name, std::string(file * 1000, 'x'));
            tickets.push_back(work.CopyLater(At(file), LongForm(src + name), LongForm(dst + name)));
        }
        // Every third is taken and committed, every third given up, and the
        // rest are left to the helpers' end, whether started or not.
        for (unsigned file = 0; file < 60; ++file) {
            std::string name = "\\f" + std::to_string(file) + ".txt";
            if (file % 3 == 0) {
                REQUIRE(Commit(work, tickets[file], src + name, dst + name));
                committed.push_back(name.substr(1));
            } else if (file % 3 == 1) {
                work.Release(tickets[file]);
            }
        }
    }
    std::sort(committed.begin(), committed.end());
    CHECK(FolderNames(dst) == committed);
    CHECK(ReadWholeFile(dst + "\\f3.txt") == std::string(3000, 'x'));
}

TEST_CASE_FIXTURE(SyncTrees, "a take that waits for a helper calls back meanwhile, and gets the whole copy")
{
    std::string data(64 * 1024 * 1024, 'x');
    data[12345] = 'y';
    MakeFile(src + "\\big.bin", data);
    WorkAhead work(1);
    int calls = 0;
    work.WhileWaiting([&] { ++calls; });
    WorkAhead::Ticket copy = work.CopyLater(At(0), LongForm(src + "\\big.bin"), LongForm(dst + "\\big.bin"));
    // Taken once the helper is writing it (a take drops a copy not begun).
    for (int wait = 0; wait < 5000 && FolderNames(dst).empty(); ++wait)
        Sleep(1);
    REQUIRE_FALSE(FolderNames(dst).empty());
    REQUIRE(Commit(work, copy, src + "\\big.bin", dst + "\\big.bin"));
    CHECK(calls > 0);
    CHECK(ReadWholeFile(dst + "\\big.bin") == data);
}

TEST_CASE_FIXTURE(SyncTrees, "work finished too long before it is taken is done again")
{
    MakeFile(src + "\\a.txt", "first");
    // Nothing done ahead is fresh enough: every take reads anew.
    WorkAhead work(2, 0);
    WorkAhead::Ticket listing = work.ListLater(At(0), LongForm(src));
    WorkAhead::Ticket copy = work.CopyLater(At(1), LongForm(src + "\\a.txt"), LongForm(dst + "\\a.txt"));
    // Both are done with what was there before the change.
    REQUIRE(WaitUntil([&] { return !work.Busy(); }, 5000));
    MakeFile(src + "\\b.txt", "b");
    MakeFile(src + "\\a.txt", "second");
    FolderIndex index;
    REQUIRE(work.TakeListing(listing, LongForm(src), &index) == FolderIndex::Listed);
    CHECK(index.Entries().size() == 2);
    REQUIRE(Commit(work, copy, src + "\\a.txt", dst + "\\a.txt"));
    CHECK(ReadWholeFile(dst + "\\a.txt") == "second");
}
