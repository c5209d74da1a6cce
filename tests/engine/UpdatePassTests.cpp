#include "BoxRecorder.h"
#include "FolderIndex.h"
#include "SyncTrees.h"
#include "WidePath.h"

#include "TestProcess.h"

#include <doctest/doctest.h>

namespace {

const unsigned long long T = TicksOf(2021, 4, 1, 10, 0, 0);
const unsigned long long S = TicksPerSecond;

}

TEST_CASE_FIXTURE(SyncTrees, "the update pass copies what is missing, older or resized, at full or DOS resolution")
{
    MakeFile(src + "\\new.txt", "new", T);
    MakeFile(src + "\\older.txt", "src", T + 10 * S);
    MakeFile(dst + "\\older.txt", "dst", T);
    MakeFile(src + "\\equal.txt", "src", T);
    MakeFile(dst + "\\equal.txt", "dst", T);
    MakeFile(src + "\\newer.txt", "src", T);
    MakeFile(dst + "\\newer.txt", "dst", T + 10 * S);
    // 10:00:01 against 10:00:00: one second apart, one two-second step.
    MakeFile(src + "\\step.txt", "src", T + S);
    MakeFile(dst + "\\step.txt", "dst", T);
    // The same time and another size: changed all the same.
    MakeFile(src + "\\resized.txt", "longer", T);
    MakeFile(dst + "\\resized.txt", "dst", T);

    OperationCounts counts;
    SUBCASE("full resolution")
    {
        CHECK(Run(host, Options(0, 0, 1, 0), src, dst, &counts) == 1);
        CHECK(ReadWholeFile(dst + "\\step.txt") == "src");
        CHECK(counts.replaced == 3);
    }
    SUBCASE("DOS resolution")
    {
        CHECK(Run(host, Options(0, 1, 1, 0), src, dst, &counts) == 1);
        CHECK(ReadWholeFile(dst + "\\step.txt") == "dst");
        CHECK(counts.replaced == 2);
    }
    CHECK(counts.copied == 1);
    CHECK(ReadWholeFile(dst + "\\resized.txt") == "longer");
    // The newer destination file is listed once more at the end.
    CHECK(host.rows.size() == static_cast<std::size_t>(counts.copied + counts.replaced + 1));
    CHECK(host.rows.back() == "newer, kept " + src + "\\newer.txt " + dst + "\\newer.txt");
    CHECK(counts.newer == 1);
    CHECK(ReadWholeFile(dst + "\\new.txt") == "new");
    CHECK(WriteTicks(dst + "\\new.txt") == T);
    CHECK(ReadWholeFile(dst + "\\older.txt") == "src");
    CHECK(ReadWholeFile(dst + "\\equal.txt") == "dst");
    CHECK(ReadWholeFile(dst + "\\newer.txt") == "dst");
    CHECK(Contains(host.rows, "copy " + src + "\\new.txt " + dst + "\\new.txt"));
    CHECK(Contains(host.rows, "copy " + src + "\\older.txt " + dst + "\\older.txt"));
    CHECK_FALSE(Contains(host.rows, "copy " + src + "\\newer.txt " + dst + "\\newer.txt"));
    CHECK(host.questions.empty());
    CHECK(boxes.boxes.empty());
}

TEST_CASE_FIXTURE(SyncTrees, "DOS resolution orders times outside the DOS range")
{
    MakeFile(src + "\\early.txt", "src", TicksOf(1977, 1, 1));
    MakeFile(dst + "\\early.txt", "dst", TicksOf(1975, 1, 1));
    MakeFile(src + "\\early old.txt", "src", TicksOf(1975, 1, 1));
    MakeFile(dst + "\\early old.txt", "dst", TicksOf(1977, 1, 1));
    MakeFile(src + "\\late.txt", "src", TicksOf(2112, 1, 1));
    MakeFile(dst + "\\late.txt", "dst", TicksOf(2110, 1, 1));
    MakeFile(src + "\\late step.txt", "src", TicksOf(2110, 1, 1, 0, 0, 1));
    MakeFile(dst + "\\late step.txt", "dst", TicksOf(2110, 1, 1, 0, 0, 0));
    REQUIRE(WriteTicks(dst + "\\early.txt") == TicksOf(1975, 1, 1));
    REQUIRE(WriteTicks(src + "\\late.txt") == TicksOf(2112, 1, 1));
    CHECK(Run(host, Options(0, 1, 1, 0), src, dst) == 1);
    CHECK(ReadWholeFile(dst + "\\early.txt") == "src");
    CHECK(ReadWholeFile(dst + "\\early old.txt") == "dst");
    CHECK(ReadWholeFile(dst + "\\late.txt") == "src");
    CHECK(ReadWholeFile(dst + "\\late step.txt") == "dst");
}

TEST_CASE_FIXTURE(SyncTrees, "EXCLUDEOBJ leaves object files alone but walks a folder named like one")
{
    MakeFile(src + "\\a.obj", "a");
    MakeFile(src + "\\B.OBJ", "b");
    MakeFile(src + "\\x.obj\\c.txt", "c");
    MakeFile(src + "\\x.obj\\d.obj", "d");
    CHECK(Run(host, Options(0, 0, 1, 1), src, dst) == 1);
    CHECK(Names(dst) == std::vector<std::string>{"x.obj"});
    CHECK(Names(dst + "\\x.obj") == std::vector<std::string>{"c.txt"});
    CHECK(host.rows == std::vector<std::string>{"mkdir " + dst + "\\x.obj", "copy " + src + "\\x.obj\\c.txt " + dst + "\\x.obj\\c.txt"});
}

TEST_CASE_FIXTURE(SyncTrees, "recycle folders are skipped at any depth and empty folders are still made")
{
    MakeFile(src + "\\RECYCLED\\r.txt", "r");
    MakeFile(src + "\\sub\\Recycler\\r.txt", "r");
    MakeFile(src + "\\sub\\s.txt", "s");
    MakeFolder(src + "\\empty");
    MakeFolder(src + "\\sub\\deeper empty");
    OperationCounts counts;
    CHECK(Run(host, Options(0, 0, 1, 0), src, dst, &counts) == 1);
    CHECK(Names(dst) == std::vector<std::string>{"empty", "sub"});
    CHECK(Names(dst + "\\sub") == std::vector<std::string>{"deeper empty", "s.txt"});
    CHECK(counts.createdFolders == 3);
    CHECK(Contains(host.statuses, src));
    CHECK(Contains(host.statuses, src + "\\sub"));
    CHECK(host.statuses.back().empty());
}

TEST_CASE_FIXTURE(SyncTrees, "a missing destination is created with all its parents and counted")
{
    MakeFile(src + "\\a.txt", "a");
    std::string target = temp / "x\\y\\dst";
    OperationCounts counts;
    CHECK(Run(host, Options(0, 0, 1, 0), src, target, &counts) == 1);
    CHECK(ReadWholeFile(target + "\\a.txt") == "a");
    CHECK(counts.createdFolders == 3);
    CHECK(counts.copied == 1);
}

TEST_CASE_FIXTURE(SyncTrees, "a source file meeting a destination folder of its name goes inside it")
{
    MakeFile(src + "\\a", "file a");
    MakeFolder(dst + "\\a");
    CHECK(Run(host, Options(0, 0, 1, 0), src, dst) == 1);
    CHECK(ReadWholeFile(dst + "\\a\\a") == "file a");
    CHECK(host.rows == std::vector<std::string>{"copy " + src + "\\a " + dst + "\\a\\a"});
}

TEST_CASE_FIXTURE(SyncTrees, "a source folder meeting a destination file of its name stops the run with a message")
{
    MakeFile(src + "\\a\\inner.txt", "i");
    MakeFile(dst + "\\a", "a file");
    CHECK(Run(host, Options(1, 0, 1, 0), src, dst) == 0);
    CHECK(ReadWholeFile(dst + "\\a") == "a file");
    CHECK(boxes.LastText() ==
          "Can't create the folder '" + dst + "\\a': a file of that name exists. The run was stopped.");
}

TEST_CASE_FIXTURE(SyncTrees, "a read-only older destination is replaced and takes the source's attributes")
{
    MakeFile(src + "\\ro.txt", "new", T + 60 * S);
    MakeFile(dst + "\\ro.txt", "old", T);
    SetFileAttributesA((dst + "\\ro.txt").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    host.answers = {IDYES};
    CHECK(Run(host, Options(0, 0, 0, 0), src, dst) == 1);
    CHECK(ReadWholeFile(dst + "\\ro.txt") == "new");
    CHECK((FileAttributes(dst + "\\ro.txt") & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN)) == 0);
    CHECK(host.questions ==
          std::vector<std::string>{"replace " + dst + "\\ro.txt with " + src + "\\ro.txt"});
    CHECK(Names(dst) == std::vector<std::string>{"ro.txt"});
}

TEST_CASE_FIXTURE(SyncTrees, "replace answers: Yes to All, No and Cancel")
{
    for (const char* name : {"1.txt", "2.txt", "3.txt"}) {
        MakeFile(src + "\\" + name, "src", T + 10 * S);
        MakeFile(dst + "\\" + name, "dst", T);
    }
    MakeFile(src + "\\fresh.txt", "fresh");
    auto copied = [&] {
        int count = 0;
        for (const char* name : {"1.txt", "2.txt", "3.txt"})
            count += ReadWholeFile(dst + "\\" + name) == "src" ? 1 : 0;
        return count;
    };
    SUBCASE("Yes to All asks once")
    {
        host.answers = {SyncYesToAll};
        CHECK(Run(host, Options(0, 0, 0, 0), src, dst) == 1);
        CHECK(host.questions.size() == 1);
        CHECK(copied() == 3);
    }
    SUBCASE("No spares each file and goes on")
    {
        host.answers = {IDNO, IDNO, IDNO};
        CHECK(Run(host, Options(0, 0, 0, 0), src, dst) == 1);
        CHECK(host.questions.size() == 3);
        CHECK(copied() == 0);
        // Each answer leaves its row; the new file is copied.
        CHECK(host.rows.size() == 4);
        CHECK(host.rows[0] == "skip " + src + "\\1.txt " + dst + "\\1.txt");
    }
    SUBCASE("Cancel stops at once, and no delete pass follows")
    {
        MakeFile(dst + "\\orphan.txt", "o");
        host.answers = {IDYES, IDCANCEL};
        CHECK(Run(host, Options(1, 0, 0, 0), src, dst) == 0);
        CHECK(host.questions.size() == 2);
        CHECK(copied() == 1);
        CHECK(PathExists(dst + "\\orphan.txt"));
    }
    CHECK(host.unexpected.empty());
}

TEST_CASE_FIXTURE(SyncTrees, "a file changed while its replace question is up is copied as it is after the answer")
{
    MakeFile(src + "\\a.txt", "asked about", T + 10 * S);
    MakeFile(dst + "\\a.txt", "old", T);
    host.answers = {IDYES};
    // Written as an editor that shares the file would, so that a copy being
    // read ahead meanwhile does not keep the edit out.
    host.onQuestion = [&](const std::string&) {
        std::string edit = "edited meanwhile";
        HANDLE file = CreateFileA((src + "\\a.txt").c_str(), GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, TRUNCATE_EXISTING, 0,
                                  nullptr);
        DWORD written = 0;
        REQUIRE(file != INVALID_HANDLE_VALUE);
        CHECK(WriteFile(file, edit.data(), static_cast<DWORD>(edit.size()), &written, nullptr));
        CloseHandle(file);
        SetWriteTicks(src + "\\a.txt", T + 20 * S);
    };
    CHECK(Run(host, Options(0, 0, 0, 0), src, dst) == 1);
    CHECK(ReadWholeFile(dst + "\\a.txt") == "edited meanwhile");
    CHECK(WriteTicks(dst + "\\a.txt") == T + 20 * S);
    CHECK(Names(dst) == std::vector<std::string>{"a.txt"});
}

TEST_CASE_FIXTURE(SyncTrees, "small copies are written ahead, but not past a folder, before a question or when large")
{
    // Whether a copy written ahead shows up in the destination's top folder
    // within 300 ms: the helpers would have started on it by then. Where one
    // is due, a loaded machine gets longer.
    DWORD patience = 300;
    auto waiting = [&] {
        DWORD start = GetTickCount();
        do {
            for (const std::string& name : Names(dst)) {
                if (IsTemporaryCopyName(name))
                    return true;
            }
            Sleep(5);
        } while (GetTickCount() - start < patience);
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
            MakeFile(src + "\\f" + std::to_string(i) + ".txt", "x");
        watched = "f0.txt";
        expected = "waiting;";
        patience = 5000;
        CHECK(Run(host, Options(0, 0, 1, 0), src, dst) == 1);
    }
    SUBCASE("the files after a folder, while the pass is in it")
    {
        for (int i = 0; i < 20; ++i)
            MakeFile(src + "\\f" + std::to_string(i) + ".txt", "x");
        MakeFile(src + "\\d\\inner.txt", "i");
        // The pass takes the entries in the file system's order.
        FolderIndex listing;
        REQUIRE(listing.Read(LongPath(Widen(src.c_str()))) == FolderIndex::Listed);
        REQUIRE(listing.Entries().back().name != L"d");
        watched = "inner.txt";
        CHECK(Run(host, Options(0, 0, 1, 0), src, dst) == 1);
    }
    SUBCASE("a file asked about")
    {
        MakeFile(src + "\\a.txt", "new", T + 10 * S);
        MakeFile(dst + "\\a.txt", "old", T);
        host.answers = {IDYES};
        host.onQuestion = [&](const std::string&) { seen += waiting() ? "waiting;" : "none;"; };
        CHECK(Run(host, Options(0, 0, 0, 0), src, dst) == 1);
    }
    SUBCASE("a large file")
    {
        MakeFile(src + "\\large.bin", std::string(2 * 1024 * 1024, 'l'));
        watched = "large.bin";
        CHECK(Run(host, Options(0, 0, 1, 0), src, dst) == 1);
    }
    CHECK(seen == expected);
}

TEST_CASE_FIXTURE(SyncTrees, "an abort is seen at the next file or folder")
{
    for (int i = 0; i < 20; ++i)
        MakeFile(src + "\\f" + std::to_string(i) + ".txt", "x");
    std::size_t copied = 0;
    SUBCASE("asked during the run")
    {
        host.abortAtPump = 6;
        copied = 3;
    }
    // The window takes messages before the run's first pass: an abort from
    // then is not forgotten when a pass starts.
    SUBCASE("asked before the first pass")
    {
        host.abort = true;
    }
    CHECK(Run(host, Options(0, 0, 1, 0), src, dst) == 0);
    CHECK(host.rows.size() == copied);
    CHECK(Names(dst).size() == copied);
    CHECK(host.statuses.back() == "The run was aborted.");
}

