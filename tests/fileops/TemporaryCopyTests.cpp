// Temporary copies, and listings that keep a killed run's leftovers apart.

#include "FolderIndex.h"
#include "TemporaryCopy.h"
#include "WidePath.h"

#include "CalendarTicks.h"
#include "TempFolder.h"
#include "TestProcess.h"
#include "TreeBuilder.h"

#include <doctest/doctest.h>

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

TEST_CASE("a temporary copy stays out of sight until committed, replaces only when told to, and leaves no trace")
{
    TempFolder temp;
    std::string source = temp / "a.txt";
    std::string folder = temp / "dst";
    std::string target = folder + "\\a.txt";
    MakeFile(source, "data", TicksOf(2022, 3, 3));
    MakeFolder(folder);

    TemporaryCopy copy;
    REQUIRE(copy.Write(LongForm(source), LongForm(target)) == 1);
    std::vector<std::string> names = FolderNames(folder);
    REQUIRE(names.size() == 1);
    CHECK(IsTemporaryCopyName(names[0]));
    CHECK(copy.Commit(false) == 1);
    CHECK(FolderNames(folder) == std::vector<std::string>{"a.txt"});
    CHECK(ReadWholeFile(target) == "data");
    CHECK(WriteTicks(target) == TicksOf(2022, 3, 3));

    SUBCASE("discarded")
    {
        REQUIRE(copy.Write(LongForm(source), LongForm(folder + "\\b.txt")) == 1);
        copy.Discard();
    }
    SUBCASE("a read-only copy, dropped with its owner")
    {
        SetFileAttributesA(source.c_str(), FILE_ATTRIBUTE_READONLY);
        TemporaryCopy readOnly;
        REQUIRE(readOnly.Write(LongForm(source), LongForm(folder + "\\b.txt")) == 1);
        SetFileAttributesA(source.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    SUBCASE("handed over, then committed by its new owner")
    {
        TemporaryCopy first;
        REQUIRE(first.Write(LongForm(source), LongForm(folder + "\\b.txt")) == 1);
        copy = std::move(first);
        CHECK_FALSE(first.Written());
        first.Discard();
        CHECK(copy.Commit(false) == 1);
        CHECK(ReadWholeFile(folder + "\\b.txt") == "data");
        DeleteFileA((folder + "\\b.txt").c_str());
    }
    SUBCASE("replacing only when told to, and failing without a trace")
    {
        // A file that appeared since the folder was listed is not replaced.
        DeleteFileA(target.c_str());
        REQUIRE(copy.Write(LongForm(source), LongForm(target)) == 1);
        MakeFile(target, "theirs");
        CHECK(copy.Commit(false) == 0);
        CHECK(copy.Error() == ERROR_ALREADY_EXISTS);
        CHECK(ReadWholeFile(target) == "theirs");
        CHECK(FolderNames(folder) == std::vector<std::string>{"a.txt"});

        REQUIRE(copy.Write(LongForm(source), LongForm(target)) == 1);
        CHECK(copy.Commit(true) == 1);
        CHECK(ReadWholeFile(target) == "data");

        CHECK(copy.Write(LongForm(temp / "missing.txt"), LongForm(folder + "\\m.txt")) == 0);
        CHECK(copy.Error() == ERROR_FILE_NOT_FOUND);
        CHECK(copy.Commit(false) == 0);

        volatile LONG cancel = 1;
        CHECK(copy.Write(LongForm(source), LongForm(folder + "\\c.txt"), &cancel) == 0);
        CHECK(copy.Error() == ERROR_CANCELLED);
    }
    CHECK(FolderNames(folder) == std::vector<std::string>{"a.txt"});
}

TEST_CASE("a listing matches names case-blind over the whole character set and keeps leftovers apart")
{
    TempFolder temp;
    std::wstring folder = LongPath(Widen(temp.Path().c_str()));
    MakeFile(temp / "Read Me.TXT", "a");
    MakeFolder(temp / "Sub");
    MakeFolder(temp / "RECYCLER");
    MakeFile(temp / "~omb1F-2A.tmp", "half a copy");
    MakeFile(temp / "~omb.tmp", "the user's");
    struct Row {
        const wchar_t* name;
        const wchar_t* asked;   // nullptr: not found
    } rows[] = {
        {L"\u03A9\u03BC\u03AD\u03B3\u03B1.txt", L"\u03C9\u03BC\u03AD\u03B3\u03B1.TXT"},   // Greek
        {L"\u0416\u0443\u043A", L"\u0436\u0423\u041A"},                                       // Cyrillic
        {L"\uFF21\uFF22.txt", L"\uFF41\uFF42.txt"},                                             // full width
        {L"caf\u00E9.txt", L"CAF\u00C9.TXT"},
        {L"cafe\u0301.doc", nullptr},   // é decomposed is another name
        {L"\U0001F600.txt", L"\U0001F600.TXT"},
    };
    for (const Row& row : rows)
        REQUIRE(MakeFileW(JoinName(folder, row.name)));
    FolderIndex index;
    REQUIRE(index.Read(folder) == FolderIndex::Listed);
    CHECK(index.Entries().size() == 3 + 6);
    CHECK(index.Leftovers() == std::vector<std::wstring>{L"~omb1F-2A.tmp"});
    CHECK(index.Find(L"read me.txt")->name == L"Read Me.TXT");
    CHECK(index.Find(L"sUB")->IsFolder());
    CHECK(index.Find(L"recycler") == nullptr);
    CHECK(index.Find(L"~omb.TMP") != nullptr);
    for (const Row& row : rows) {
        CAPTURE(std::wstring(row.name).size());
        if (row.asked) {
            const FolderEntry* found = index.Find(row.asked);
            REQUIRE(found != nullptr);
            CHECK(found->name == row.name);
        }
    }
    CHECK(index.Find(L"cafe\u0301.txt") == nullptr);
    CHECK(index.Find(L"caf\u00E9.doc") == nullptr);
}
