#include "TemporaryCopy.h"

#include "CalendarTicks.h"
#include "TempFolder.h"
#include "TestProcess.h"
#include "TreeBuilder.h"

#include <doctest/doctest.h>

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

TEST_CASE("a temporary copy stays out of sight until committed and leaves nothing when discarded")
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
    CHECK(FolderNames(folder) == std::vector<std::string>{"a.txt"});
}

TEST_CASE("a temporary copy replaces only when told to, and fails without a trace")
{
    TempFolder temp;
    std::string source = temp / "a.txt";
    std::string folder = temp / "dst";
    std::string target = folder + "\\a.txt";
    MakeFile(source, "ours");
    MakeFolder(folder);

    // A file that appeared since the folder was listed is not replaced.
    TemporaryCopy copy;
    REQUIRE(copy.Write(LongForm(source), LongForm(target)) == 1);
    MakeFile(target, "theirs");
    CHECK(copy.Commit(false) == 0);
    CHECK(copy.Error() == ERROR_ALREADY_EXISTS);
    CHECK(ReadWholeFile(target) == "theirs");
    CHECK(FolderNames(folder) == std::vector<std::string>{"a.txt"});

    REQUIRE(copy.Write(LongForm(source), LongForm(target)) == 1);
    CHECK(copy.Commit(true) == 1);
    CHECK(ReadWholeFile(target) == "ours");

    CHECK(copy.Write(LongForm(temp / "missing.txt"), LongForm(folder + "\\m.txt")) == 0);
    CHECK(copy.Error() == ERROR_FILE_NOT_FOUND);
    CHECK(copy.Commit(false) == 0);

    volatile LONG cancel = 1;
    CHECK(copy.Write(LongForm(source), LongForm(folder + "\\c.txt"), &cancel) == 0);
    CHECK(copy.Error() == ERROR_CANCELLED);
    CHECK(FolderNames(folder) == std::vector<std::string>{"a.txt"});
}
