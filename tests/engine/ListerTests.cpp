#include "EFlags.h"
#include "FlagScope.h"
#include "ListerProcess.h"
#include "ListerWalk.h"
#include "ListingExchange.h"
#include "LockedPath.h"
#include "SyncTrees.h"
#include "TestProcess.h"

#include <doctest/doctest.h>

#include <windows.h>
#include <tlhelp32.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// Every field the run decides on, entry by entry.
void CheckSameListing(const FolderIndex& taken, const FolderIndex& read)
{
    REQUIRE(taken.Entries().size() == read.Entries().size());
    for (std::size_t i = 0; i < read.Entries().size(); ++i) {
        const FolderEntry& a = taken.Entries()[i];
        const FolderEntry& b = read.Entries()[i];
        CAPTURE(b.name);
        CHECK(a.name == b.name);
        CHECK(a.wide == b.wide);
        CHECK(a.attributes == b.attributes);
        CHECK(CompareFileTime(&a.writeTime, &b.writeTime) == 0);
        CHECK(a.size == b.size);
        CHECK(a.representable == b.representable);
    }
}

// Lets the lister read the whole of root (fewer folders than it has slots),
// then takes every folder of folders from it once, last first, so that each
// is found by its path and not by the order in which it came.
void CheckListerReads(const std::string& root, const std::vector<std::string>& folders,
                      const std::vector<std::string>& notListed)
{
    ListerProcess lister(root.c_str(), 1, 60000);
    FolderIndex listing;
    ULONGLONG doneAt;
    // The first request starts the lister; it names no folder of the tree.
    CHECK_FALSE(lister.Take((root + "\\none").c_str(), &listing, &doneAt));
    REQUIRE(lister.Process() != nullptr);
    REQUIRE(WaitForSingleObject(lister.Process(), 20000) == WAIT_OBJECT_0);
    for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder) {
        CAPTURE(*folder);
        FolderIndex taken;
        FolderIndex read;
        ULONGLONG before = GetTickCount64();
        REQUIRE(lister.Take(folder->c_str(), &taken, &doneAt));
        CHECK(doneAt <= before);
        REQUIRE(read.Read(folder->c_str()) == FolderIndex::Listed);
        CheckSameListing(taken, read);
    }
    CHECK(lister.Served() == static_cast<long>(folders.size()));
    // Each listing is handed over once.
    CHECK_FALSE(lister.Take(folders.front().c_str(), &listing, &doneAt));
    for (const std::string& folder : notListed) {
        CAPTURE(folder);
        CHECK_FALSE(lister.Take(folder.c_str(), &listing, &doneAt));
    }
}

// The lister processes this process started, ended first when asked.
int Listers(bool end)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    REQUIRE(snapshot != INVALID_HANDLE_VALUE);
    PROCESSENTRY32 entry;
    entry.dwSize = sizeof entry;
    int ended = 0;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (entry.th32ParentProcessID != GetCurrentProcessId() ||
            lstrcmpiA(entry.szExeFile, ListerProcess::ProgramName) != 0)
            continue;
        if (!end) {
            ++ended;
            continue;
        }
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID);
        if (process && TerminateProcess(process, 1)) {
            WaitForSingleObject(process, 5000);
            ++ended;
        }
        if (process)
            CloseHandle(process);
    }
    CloseHandle(snapshot);
    return ended;
}

}

TEST_CASE("the lister reads a destination tree as the run would, leaving out links and skipped folders")
{
    TempFolder temp;
    std::string root = temp / "dst";
    MakeFile(root + "\\a\\one.txt", "1", TicksOf(2020, 5, 6, 7, 8, 10));
    MakeFile(root + "\\a\\sub\\two.txt", "22");
    MakeFile(root + "\\b\\\xE9t\xE9.txt", "3");
    MakeFolder(root + "\\b\\empty");
    // A sibling whose name begins with another's.
    MakeFile(root + "\\ab\\z.txt", "z");
    MakeFile(root + "\\RECYCLER\\inside\\r.txt", "r");
    MakeFile(temp / "outside\\deep\\precious.txt", "p");
    TestLink link(temp / "outside", root + "\\link");
    REQUIRE(link.Made());
    // A folder another program holds: the lister cannot read it, and an
    // empty listing in its place would hide what it holds.
    MakeFile(root + "\\locked\\kept.txt", "k");
    LockedPath locked(root + "\\locked");
    REQUIRE(locked.Held());
    CheckListerReads(root,
                     {root, root + "\\a", root + "\\a\\sub", root + "\\ab", root + "\\b", root + "\\b\\empty"},
                     {root + "\\RECYCLER\\inside", root + "\\link", root + "\\link\\deep", root + "\\locked"});
}

TEST_CASE("the lister reads Japanese folders whose trail byte is a backslash")
{
    REQUIRE(GetACP() == 932);
    FlagScope doubleByte(EDoubleByte, 1);
    TempFolder temp;
    std::string root = temp / "表";
    // 表 (95 5C) and ソ (83 5C).
    MakeFile(root + "\\ソ\\表\\x.txt", "x");
    MakeFile(root + "\\ソ表.txt", "y");
    CheckListerReads(root, {root, root + "\\ソ", root + "\\ソ\\表"}, {});
}

TEST_CASE("the exchange never hands over a stale, used-up or damaged listing")
{
    TempFolder temp;
    MakeFile(temp / "f\\a.txt", "a");
    MakeFile(temp / "f\\b.txt", "bb");
    FolderIndex listing;
    REQUIRE(listing.Read((temp / "f").c_str()) == FolderIndex::Listed);
    std::unique_ptr<ListingExchange> exchange(ListingExchange::Create());
    REQUIRE(exchange);
    FolderIndex taken;
    ULONGLONG doneAt;
    ULONGLONG now = GetTickCount64();

    SUBCASE("stale or used up")
    {
        REQUIRE(exchange->Publish("C:\\old", listing, now - 5000) == ListingExchange::Published);
        REQUIRE(exchange->Publish("C:\\new", listing, now) == ListingExchange::Published);
        CHECK_FALSE(exchange->Take("C:\\old", 1000, &taken, &doneAt));
        REQUIRE(exchange->Take("C:\\new", 1000, &taken, &doneAt));
        CHECK(doneAt == now);
        CheckSameListing(taken, listing);
        CHECK_FALSE(exchange->Take("C:\\new", 1000, &taken, &doneAt));
    }
    SUBCASE("damaged")
    {
        REQUIRE(exchange->Publish("C:\\bad", listing, now) == ListingExchange::Published);
        // The first slot, as the lister lays it out: the folder's path after
        // the slot's state, sizes, order and time, then the entries.
        char* view = static_cast<char*>(MapViewOfFile(exchange->Mapping(), FILE_MAP_ALL_ACCESS, 0, 0, 0));
        REQUIRE(view);
        char* slot = view + 4096;
        REQUIRE(std::strcmp(slot + 28, "C:\\bad") == 0);
        DWORD count;
        std::memcpy(&count, slot + 24, 4);
        REQUIRE(count == 2);
        SUBCASE("a name longer than the slot holds")
        {
            DWORD huge = 0x10000000;
            std::memcpy(slot + 288, &huge, 4);
        }
        SUBCASE("more entries than it holds")
        {
            DWORD more = 3;
            std::memcpy(slot + 24, &more, 4);
        }
        SUBCASE("fewer entries than it holds")
        {
            DWORD fewer = 1;
            std::memcpy(slot + 24, &fewer, 4);
        }
        SUBCASE("a name with a terminator inside")
        {
            std::memset(slot + 292, 0, 2);
        }
        CHECK_FALSE(exchange->Take("C:\\bad", 1000, &taken, &doneAt));
        CHECK(taken.Entries().empty());
        UnmapViewOfFile(view);
    }
}

TEST_CASE("the lister leaves out the folders the run has gone past, by the order of their listings")
{
    TempFolder temp;
    std::string root = temp / "t";
    for (const char* folder : {"a\\a1", "a\\a2", "b\\b1", "c"})
        MakeFolder(root + "\\" + folder);
    std::unique_ptr<ListingExchange> exchange(ListingExchange::Create());
    REQUIRE(exchange);
    ListerWalk walk(*exchange, GetCurrentProcess());
    for (const std::string& folder : {root, root + "\\a"}) {
        FolderIndex listing;
        REQUIRE(listing.Read(folder.c_str()) == FolderIndex::Listed);
        walk.Learn(folder, listing);
    }
    CHECK(walk.Passed(root + "\\a", root + "\\b\\b1"));
    CHECK(walk.Passed(root + "\\a\\a1", root + "\\a\\a2"));
    CHECK(walk.Passed(root + "\\a\\a2", root + "\\b"));
    CHECK_FALSE(walk.Passed(root + "\\c", root + "\\b"));
    CHECK_FALSE(walk.Passed(root + "\\a\\a2", root + "\\a\\a1"));
    // A folder that holds the run's place is still to be read below it.
    CHECK_FALSE(walk.Passed(root + "\\a", root + "\\a\\a1"));
    CHECK_FALSE(walk.Passed(root + "\\b", root + "\\b"));
    // A place the listings do not place decides nothing.
    CHECK_FALSE(walk.Passed(root + "\\a", ""));
    CHECK_FALSE(walk.Passed(root + "\\a", root + "\\zz"));
    CHECK_FALSE(walk.Passed(root + "\\a", temp / "elsewhere"));
}

TEST_CASE_FIXTURE(SyncTrees, "a run with the lister beside it brings the tree up to date, even if it ends half-way")
{
    // More folders than the lister has slots, and a run slowed down, so
    // that the lister is up and still there when the run is half-way.
    const int folders = 200;
    const unsigned long long T = TicksOf(2021, 4, 1);
    for (int i = 0; i < folders; ++i) {
        std::string name = "\\d" + std::to_string(i);
        MakeFile(src + name + "\\older.txt", "new " + std::to_string(i), T + 100 * TicksPerSecond);
        MakeFile(dst + name + "\\older.txt", "old", T);
        MakeFile(src + name + "\\same.txt", "src", T);
        MakeFile(dst + name + "\\same.txt", "dst", T);
    }
    MakeFile(src + "\\d150\\added.txt", "added");
    int seen = 0;
    int ended = 0;
    SUBCASE("left alone")
    {
        host.onPump = [&](int pump) {
            Sleep(1);
            if (pump == 150)
                seen = Listers(false);
        };
    }
    SUBCASE("ended half-way")
    {
        host.onPump = [&](int pump) {
            Sleep(1);
            if (pump == 150)
                ended = Listers(true);
        };
    }
    OperationCounts counts;
    CHECK(Run(host, Options(0, 0, 1, 0), src, dst, &counts) == 1);
    CHECK(seen + ended == 1);
    CHECK(counts.copied == folders + 1);
    for (int i = 0; i < folders; i += 37) {
        CHECK(ReadWholeFile(dst + "\\d" + std::to_string(i) + "\\older.txt") == "new " + std::to_string(i));
        CHECK(ReadWholeFile(dst + "\\d" + std::to_string(i) + "\\same.txt") == "dst");
    }
    CHECK(ReadWholeFile(dst + "\\d150\\added.txt") == "added");
    CHECK(boxes.boxes.empty());
}

TEST_CASE("the lister holds none of the program's other handles")
{
    TempFolder temp;
    std::string root = temp / "dst";
    // More folders than the lister leaves waiting: it stays, waiting for
    // the run, while the file is looked at.
    for (int i = 0; i < 40; ++i)
        MakeFolder(root + "\\d" + std::to_string(i));
    std::string held = temp / "held.txt";
    MakeFile(held, "h");
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE file = CreateFileA(held.c_str(), GENERIC_READ, 0, &inherit, OPEN_EXISTING, 0, nullptr);
    REQUIRE(file != INVALID_HANDLE_VALUE);
    ListerProcess lister(root.c_str(), 1, 60000);
    FolderIndex listing;
    ULONGLONG doneAt;
    CHECK_FALSE(lister.Take((root + "\\none").c_str(), &listing, &doneAt));
    REQUIRE(lister.Process() != nullptr);
    CloseHandle(file);
    // Once this program lets the file go, another may open it alone.
    HANDLE again = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    CHECK(again != INVALID_HANDLE_VALUE);
    if (again != INVALID_HANDLE_VALUE)
        CloseHandle(again);
    CHECK(WaitForSingleObject(lister.Process(), 0) == WAIT_TIMEOUT);
}
