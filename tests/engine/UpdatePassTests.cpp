#include "BoxRecorder.h"
#include "FolderIndex.h"
#include "SyncTrees.h"

#include "LockedPath.h"
#include "TestProcess.h"

#include <doctest/doctest.h>

namespace {

const unsigned long long T = TicksOf(2021, 4, 1, 10, 0, 0);
const unsigned long long S = TicksPerSecond;

}

TEST_CASE("the update pass copies what is missing or strictly older, at full or DOS resolution")
{
    SyncTrees trees;
    BoxRecorder boxes;
    MakeFile(trees.src + "\\new.txt", "new", T);
    MakeFile(trees.src + "\\older.txt", "src", T + 10 * S);
    MakeFile(trees.dst + "\\older.txt", "dst", T);
    MakeFile(trees.src + "\\equal.txt", "src", T);
    MakeFile(trees.dst + "\\equal.txt", "dst", T);
    MakeFile(trees.src + "\\newer.txt", "src", T);
    MakeFile(trees.dst + "\\newer.txt", "dst", T + 10 * S);
    // 10:00:01 against 10:00:00: one second apart, one two-second step.
    MakeFile(trees.src + "\\step.txt", "src", T + S);
    MakeFile(trees.dst + "\\step.txt", "dst", T);

    ScriptedHost host;
    SUBCASE("full resolution")
    {
        OperationCounts counts;
        CHECK(Run(host, Options(0, 0, 1, 0), trees.src, trees.dst, &counts) == 1);
        CHECK(ReadWholeFile(trees.dst + "\\step.txt") == "src");
        CHECK(counts.copied == 3);
        CHECK(host.rows.size() == 3);
    }
    SUBCASE("DOS resolution")
    {
        CHECK(Run(host, Options(0, 1, 1, 0), trees.src, trees.dst) == 1);
        CHECK(ReadWholeFile(trees.dst + "\\step.txt") == "dst");
        CHECK(host.rows.size() == 2);
    }
    CHECK(ReadWholeFile(trees.dst + "\\new.txt") == "new");
    CHECK(WriteTicks(trees.dst + "\\new.txt") == T);
    CHECK(ReadWholeFile(trees.dst + "\\older.txt") == "src");
    CHECK(ReadWholeFile(trees.dst + "\\equal.txt") == "dst");
    CHECK(ReadWholeFile(trees.dst + "\\newer.txt") == "dst");
    CHECK(Contains(host.rows, "copy " + trees.src + "\\new.txt " + trees.dst + "\\new.txt"));
    CHECK(Contains(host.rows, "copy " + trees.src + "\\older.txt " + trees.dst + "\\older.txt"));
    CHECK_FALSE(Contains(host.rows, "copy " + trees.src + "\\newer.txt " + trees.dst + "\\newer.txt"));
    CHECK(host.questions.empty());
    CHECK(boxes.boxes.empty());
}

TEST_CASE("DOS resolution orders times outside the DOS range")
{
    SyncTrees trees;
    MakeFile(trees.src + "\\early.txt", "src", TicksOf(1977, 1, 1));
    MakeFile(trees.dst + "\\early.txt", "dst", TicksOf(1975, 1, 1));
    MakeFile(trees.src + "\\early old.txt", "src", TicksOf(1975, 1, 1));
    MakeFile(trees.dst + "\\early old.txt", "dst", TicksOf(1977, 1, 1));
    MakeFile(trees.src + "\\late.txt", "src", TicksOf(2112, 1, 1));
    MakeFile(trees.dst + "\\late.txt", "dst", TicksOf(2110, 1, 1));
    MakeFile(trees.src + "\\late step.txt", "src", TicksOf(2110, 1, 1, 0, 0, 1));
    MakeFile(trees.dst + "\\late step.txt", "dst", TicksOf(2110, 1, 1, 0, 0, 0));
    REQUIRE(WriteTicks(trees.dst + "\\early.txt") == TicksOf(1975, 1, 1));
    REQUIRE(WriteTicks(trees.src + "\\late.txt") == TicksOf(2112, 1, 1));
    ScriptedHost host;
    CHECK(Run(host, Options(0, 1, 1, 0), trees.src, trees.dst) == 1);
    CHECK(ReadWholeFile(trees.dst + "\\early.txt") == "src");
    CHECK(ReadWholeFile(trees.dst + "\\early old.txt") == "dst");
    CHECK(ReadWholeFile(trees.dst + "\\late.txt") == "src");
    CHECK(ReadWholeFile(trees.dst + "\\late step.txt") == "dst");
}

TEST_CASE("EXCLUDEOBJ leaves object files alone but walks a folder named like one")
{
    SyncTrees trees;
    MakeFile(trees.src + "\\a.obj", "a");
    MakeFile(trees.src + "\\B.OBJ", "b");
    MakeFile(trees.src + "\\x.obj\\c.txt", "c");
    MakeFile(trees.src + "\\x.obj\\d.obj", "d");
    ScriptedHost host;
    CHECK(Run(host, Options(0, 0, 1, 1), trees.src, trees.dst) == 1);
    CHECK(Names(trees.dst) == std::vector<std::string>{"x.obj"});
    CHECK(Names(trees.dst + "\\x.obj") == std::vector<std::string>{"c.txt"});
    CHECK(host.rows.size() == 1);
}

TEST_CASE("recycle folders are skipped at any depth and empty folders are still made")
{
    SyncTrees trees;
    MakeFile(trees.src + "\\RECYCLED\\r.txt", "r");
    MakeFile(trees.src + "\\sub\\Recycler\\r.txt", "r");
    MakeFile(trees.src + "\\sub\\s.txt", "s");
    MakeFolder(trees.src + "\\empty");
    MakeFolder(trees.src + "\\sub\\deeper empty");
    ScriptedHost host;
    OperationCounts counts;
    CHECK(Run(host, Options(0, 0, 1, 0), trees.src, trees.dst, &counts) == 1);
    CHECK(Names(trees.dst) == std::vector<std::string>{"empty", "sub"});
    CHECK(Names(trees.dst + "\\sub") == std::vector<std::string>{"deeper empty", "s.txt"});
    CHECK(counts.createdFolders == 3);
    CHECK(Contains(host.statuses, trees.src));
    CHECK(Contains(host.statuses, trees.src + "\\sub"));
    CHECK(host.statuses.back().empty());
}

TEST_CASE("a missing destination is created with all its parents and counted")
{
    SyncTrees trees;
    MakeFile(trees.src + "\\a.txt", "a");
    std::string target = trees.temp / "x\\y\\dst";
    ScriptedHost host;
    OperationCounts counts;
    CHECK(Run(host, Options(0, 0, 1, 0), trees.src, target, &counts) == 1);
    CHECK(ReadWholeFile(target + "\\a.txt") == "a");
    CHECK(counts.createdFolders == 3);
    CHECK(counts.copied == 1);
}

TEST_CASE("a source file meeting a destination folder of its name goes inside it")
{
    SyncTrees trees;
    MakeFile(trees.src + "\\a", "file a");
    MakeFolder(trees.dst + "\\a");
    ScriptedHost host;
    CHECK(Run(host, Options(0, 0, 1, 0), trees.src, trees.dst) == 1);
    CHECK(ReadWholeFile(trees.dst + "\\a\\a") == "file a");
    CHECK(host.rows == std::vector<std::string>{"copy " + trees.src + "\\a " + trees.dst + "\\a\\a"});
}

TEST_CASE("a source folder meeting a destination file of its name stops the run with a message")
{
    SyncTrees trees;
    BoxRecorder boxes;
    MakeFile(trees.src + "\\a\\inner.txt", "i");
    MakeFile(trees.dst + "\\a", "a file");
    ScriptedHost host;
    CHECK(Run(host, Options(1, 0, 1, 0), trees.src, trees.dst) == 0);
    CHECK(ReadWholeFile(trees.dst + "\\a") == "a file");
    CHECK(boxes.LastText() ==
          "Can't create the folder '" + trees.dst + "\\a': a file of that name exists. The run was stopped.");
}

TEST_CASE("a read-only older destination is replaced and takes the source's attributes")
{
    SyncTrees trees;
    MakeFile(trees.src + "\\ro.txt", "new", T + 60 * S);
    MakeFile(trees.dst + "\\ro.txt", "old", T);
    SetFileAttributesA((trees.dst + "\\ro.txt").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    ScriptedHost host;
    host.answers = {IDYES};
    CHECK(Run(host, Options(0, 0, 0, 0), trees.src, trees.dst) == 1);
    CHECK(ReadWholeFile(trees.dst + "\\ro.txt") == "new");
    CHECK((FileAttributes(trees.dst + "\\ro.txt") & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN)) == 0);
    CHECK(host.questions ==
          std::vector<std::string>{"replace " + trees.dst + "\\ro.txt with " + trees.src + "\\ro.txt"});
    CHECK(Names(trees.dst) == std::vector<std::string>{"ro.txt"});
}

TEST_CASE("replace answers: Yes to All, No and Cancel")
{
    SyncTrees trees;
    for (const char* name : {"1.txt", "2.txt", "3.txt"}) {
        MakeFile(trees.src + "\\" + name, "src", T + 10 * S);
        MakeFile(trees.dst + "\\" + name, "dst", T);
    }
    MakeFile(trees.src + "\\fresh.txt", "fresh");
    ScriptedHost host;
    auto copied = [&] {
        int count = 0;
        for (const char* name : {"1.txt", "2.txt", "3.txt"})
            count += ReadWholeFile(trees.dst + "\\" + name) == "src" ? 1 : 0;
        return count;
    };
    SUBCASE("Yes to All asks once")
    {
        host.answers = {SyncYesToAll};
        CHECK(Run(host, Options(0, 0, 0, 0), trees.src, trees.dst) == 1);
        CHECK(host.questions.size() == 1);
        CHECK(copied() == 3);
    }
    SUBCASE("No spares each file and goes on")
    {
        host.answers = {IDNO, IDNO, IDNO};
        CHECK(Run(host, Options(0, 0, 0, 0), trees.src, trees.dst) == 1);
        CHECK(host.questions.size() == 3);
        CHECK(copied() == 0);
        CHECK(host.rows.size() == 1);
    }
    SUBCASE("Cancel stops at once, and no delete pass follows")
    {
        MakeFile(trees.dst + "\\orphan.txt", "o");
        host.answers = {IDYES, IDCANCEL};
        CHECK(Run(host, Options(1, 0, 0, 0), trees.src, trees.dst) == 0);
        CHECK(host.questions.size() == 2);
        CHECK(copied() == 1);
        CHECK(PathExists(trees.dst + "\\orphan.txt"));
    }
    CHECK(host.unexpected.empty());
}

TEST_CASE("a file changed while its replace question is up is copied as it is after the answer")
{
    SyncTrees trees;
    MakeFile(trees.src + "\\a.txt", "asked about", T + 10 * S);
    MakeFile(trees.dst + "\\a.txt", "old", T);
    ScriptedHost host;
    host.answers = {IDYES};
    // Written as an editor that shares the file would, so that a copy being
    // read ahead meanwhile does not keep the edit out.
    host.onQuestion = [&](const std::string&) {
        std::string edit = "edited meanwhile";
        HANDLE file = CreateFileA((trees.src + "\\a.txt").c_str(), GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, TRUNCATE_EXISTING, 0,
                                  nullptr);
        DWORD written = 0;
        REQUIRE(file != INVALID_HANDLE_VALUE);
        CHECK(WriteFile(file, edit.data(), static_cast<DWORD>(edit.size()), &written, nullptr));
        CloseHandle(file);
        SetWriteTicks(trees.src + "\\a.txt", T + 20 * S);
    };
    CHECK(Run(host, Options(0, 0, 0, 0), trees.src, trees.dst) == 1);
    CHECK(ReadWholeFile(trees.dst + "\\a.txt") == "edited meanwhile");
    CHECK(WriteTicks(trees.dst + "\\a.txt") == T + 20 * S);
    CHECK(Names(trees.dst) == std::vector<std::string>{"a.txt"});
}

TEST_CASE("small copies are written ahead, but not past a folder, before a question or when large")
{
    SyncTrees trees;
    ScriptedHost host;
    // Whether a copy written ahead shows up in the destination's top folder
    // within 300 ms: the helpers would have started on it by then.
    auto waiting = [&] {
        DWORD start = GetTickCount();
        do {
            for (const std::string& name : Names(trees.dst)) {
                if (IsTemporaryCopyName(name))
                    return true;
            }
            Sleep(5);
        } while (GetTickCount() - start < 300);
        return false;
    };
    // What was seen at the watched row or at the question.
    std::string seen;
    std::string watched;
    host.onRow = [&](const std::string& row) {
        if (!watched.empty() && row.find(watched) != std::string::npos)
            seen += waiting() ? "waiting;" : "none;";
    };
    std::string expected = "none;";
    SUBCASE("the small files after the one in hand")
    {
        for (int i = 0; i < 5; ++i)
            MakeFile(trees.src + "\\f" + std::to_string(i) + ".txt", "x");
        watched = "f0.txt";
        expected = "waiting;";
        CHECK(Run(host, Options(0, 0, 1, 0), trees.src, trees.dst) == 1);
    }
    SUBCASE("the files after a folder, while the pass is in it")
    {
        for (int i = 0; i < 20; ++i)
            MakeFile(trees.src + "\\f" + std::to_string(i) + ".txt", "x");
        MakeFile(trees.src + "\\d\\inner.txt", "i");
        // The pass takes the entries in the file system's order.
        FolderIndex listing;
        REQUIRE(listing.Read(trees.src.c_str()) == FolderIndex::Listed);
        REQUIRE(listing.Entries().back().name != "d");
        watched = "inner.txt";
        CHECK(Run(host, Options(0, 0, 1, 0), trees.src, trees.dst) == 1);
    }
    SUBCASE("a file asked about")
    {
        MakeFile(trees.src + "\\a.txt", "new", T + 10 * S);
        MakeFile(trees.dst + "\\a.txt", "old", T);
        host.answers = {IDYES};
        host.onQuestion = [&](const std::string&) { seen += waiting() ? "waiting;" : "none;"; };
        CHECK(Run(host, Options(0, 0, 0, 0), trees.src, trees.dst) == 1);
    }
    SUBCASE("a large file")
    {
        MakeFile(trees.src + "\\large.bin", std::string(2 * 1024 * 1024, 'l'));
        watched = "large.bin";
        CHECK(Run(host, Options(0, 0, 1, 0), trees.src, trees.dst) == 1);
    }
    CHECK(seen == expected);
}

TEST_CASE("an abort is seen at the next file or folder")
{
    SyncTrees trees;
    for (int i = 0; i < 20; ++i)
        MakeFile(trees.src + "\\f" + std::to_string(i) + ".txt", "x");
    ScriptedHost host;
    host.abortAtPump = 5;
    CHECK(Run(host, Options(1, 0, 1, 0), trees.src, trees.dst) == 0);
    CHECK(host.pumps == 5);
    CHECK(host.rows.size() == 3);
    CHECK(Names(trees.dst).size() == 3);
    CHECK(host.statuses.back().empty());
}

TEST_CASE("a copy that fails has its log row and stops the run")
{
    SyncTrees trees;
    BoxRecorder boxes;
    MakeFile(trees.src + "\\locked.txt", "x");
    LockedPath lock(trees.src + "\\locked.txt");
    REQUIRE(lock.Held());
    ScriptedHost host;
    CHECK(Run(host, Options(0, 0, 1, 0), trees.src, trees.dst) == 0);
    CHECK(host.rows == std::vector<std::string>{"copy " + trees.src + "\\locked.txt " + trees.dst + "\\locked.txt"});
    CHECK(boxes.LastText() == trees.src + "\\locked.txt is in use");
    CHECK(Names(trees.dst).empty());
}
