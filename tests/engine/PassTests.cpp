// The update and the delete pass: what each copies, replaces, deletes and asks.

#include "FolderIndex.h"
#include "SyncTrees.h"

#include <doctest/doctest.h>

TEST_CASE("the update pass replaces what is older or resized, by full or two-second DOS times")
{
    const unsigned long long Y1975 = TicksOf(1975, 1, 1), Y1977 = TicksOf(1977, 1, 1), Y2110 = TicksOf(2110, 1, 1);
    struct Row {
        const char* name;
        unsigned long long source, destination;  // destination 0: none
        bool full, dos;                          // replaced (or copied) at full and at DOS resolution
    } rows[] = {
        {"new", T, 0, true, true},
        {"older", T + 10 * S, T, true, true},
        {"equal", T, T, false, false},
        {"newer", T, T + 10 * S, false, false},
        // 9:00:01 against 9:00:00: one second apart, one two-second step.
        {"one second", T + S, T, true, false},
        // Times outside the DOS range still order.
        {"before 1980", Y1977, Y1975, true, true},
        {"before 1980, older", Y1975, Y1977, false, false},
        {"after 2107", TicksOf(2112, 1, 1), Y2110, true, true},
        {"after 2107, one second", Y2110 + S, Y2110, true, false},
    };
    for (int dos : {0, 1}) {
        CAPTURE(dos);
        SyncTrees t;
        for (const Row& row : rows) {
            MakeFile(t.src + "\\" + row.name, "src", row.source);
            if (row.destination)
                MakeFile(t.dst + "\\" + row.name, "dst", row.destination);
        }
        // The same time and another size: changed all the same. A hidden
        // destination takes the read-only source's attributes.
        MakeFile(t.src + "\\resized", "longer", T);
        MakeFile(t.dst + "\\resized", "dst", T);
        SetFileAttributesA((t.src + "\\resized").c_str(), FILE_ATTRIBUTE_READONLY);
        SetFileAttributesA((t.dst + "\\resized").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
        OperationCounts counts;
        CHECK(Run(t.host, Options(0, dos, 1, 0), t.src, t.dst, &counts) == 1);
        int replaced = 1;
        for (const Row& row : rows) {
            CAPTURE(std::string(row.name));
            bool copied = dos ? row.dos : row.full;
            replaced += copied && row.destination;
            CHECK(ReadWholeFile(t.dst + "\\" + row.name) == (copied ? "src" : "dst"));
            CHECK(WriteTicks(t.dst + "\\" + row.name) == (copied ? row.source : row.destination));
        }
        CHECK(ReadWholeFile(t.dst + "\\resized") == "longer");
        CHECK((FileAttributes(t.dst + "\\resized") & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN)) ==
              FILE_ATTRIBUTE_READONLY);
        CHECK(counts.copied == 1);
        CHECK(counts.replaced == replaced);
        // Newer destination files are listed once more at the end.
        CHECK(counts.newer == 2);
        CHECK(t.host.rows.size() == static_cast<std::size_t>(counts.copied + counts.replaced + counts.newer));
        for (std::size_t last = 1; last <= 2 && t.host.rows.size() >= 2; ++last)
            CHECK(t.host.rows[t.host.rows.size() - last].rfind("newer, kept ", 0) == 0);
        CHECK(Contains(t.host.rows, "newer, kept " + t.src + "\\newer " + t.dst + "\\newer"));
        CHECK(t.boxes.boxes.empty());
    }
}

TEST_CASE_FIXTURE(SyncTrees, "a missing destination is made with its parents; object files and recycle folders are left out")
{
    MakeFile(src + "\\a.obj", "a");
    MakeFile(src + "\\B.OBJ", "b");
    // A folder named like an object file is walked.
    MakeFile(src + "\\x.obj\\c.txt", "c");
    MakeFile(src + "\\x.obj\\d.obj", "d");
    MakeFile(src + "\\RECYCLED\\r.txt", "r");
    MakeFile(src + "\\sub\\Recycler\\r.txt", "r");
    MakeFile(src + "\\sub\\s.txt", "s");
    MakeFolder(src + "\\empty");
    MakeFolder(src + "\\sub\\deeper empty");
    std::string target = temp / "x\\y\\dst";
    OperationCounts counts;
    CHECK(Run(host, Options(0, 0, 1, 1), src, target, &counts) == 1);
    CHECK(FolderNames(target) == std::vector<std::string>{"empty", "sub", "x.obj"});
    CHECK(FolderNames(target + "\\sub") == std::vector<std::string>{"deeper empty", "s.txt"});
    CHECK(FolderNames(target + "\\x.obj") == std::vector<std::string>{"c.txt"});
    CHECK(ReadWholeFile(target + "\\x.obj\\c.txt") == "c");
    // x, y and dst, then empty, sub, deeper empty and x.obj.
    CHECK(counts.createdFolders == 3 + 4);
    CHECK(counts.copied == 2);
    CHECK(Contains(host.statuses, src));
    CHECK(Contains(host.statuses, src + "\\sub"));
    CHECK(host.statuses.back().empty());
}

TEST_CASE_FIXTURE(SyncTrees, "a file meeting a folder of its name goes inside it; a folder meeting a file stops the run")
{
    MakeFile(src + "\\a", "file a");
    MakeFolder(dst + "\\a");
    CHECK(Run(host, Options(0, 0, 1, 0), src, dst) == 1);
    CHECK(ReadWholeFile(dst + "\\a\\a") == "file a");
    CHECK(host.rows == std::vector<std::string>{"copy " + src + "\\a " + dst + "\\a\\a"});

    MakeFile(src + "\\b\\inner.txt", "i");
    MakeFile(dst + "\\b", "a file");
    CHECK(Run(host, Options(1, 0, 1, 0), src, dst) == 0);
    CHECK(ReadWholeFile(dst + "\\b") == "a file");
    CHECK(boxes.LastText() ==
          "Can't create the folder '" + dst + "\\b': a file of that name exists. The run was stopped.");
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
    CHECK(FolderNames(dst) == std::vector<std::string>{"a.txt"});
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
            if (CopyUnderWay(dst))
                return true;
            Sleep(5);
        } while (GetTickCount() - start < patience);
        return false;
    };
    // What was seen at the watched row or at the question.
    std::string seen, watched;
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

TEST_CASE_FIXTURE(SyncTrees, "an abort asked for before the first pass is not forgotten when a pass starts")
{
    // The window takes messages before the run's first pass.
    MakeFile(src + "\\f.txt", "x");
    host.abort = true;
    CHECK(Run(host, Options(0, 0, 1, 0), src, dst) == 0);
    CHECK(host.rows.empty());
    CHECK(FolderNames(dst).empty());
    CHECK(host.statuses.back() == "The run was aborted.");
}

TEST_CASE_FIXTURE(SyncTrees, "the delete pass removes orphan files and folders, and only those")
{
    MakeFile(src + "\\kept.txt", "s", TicksOf(2020, 1, 1));
    MakeFile(dst + "\\kept.txt", "d, newer and longer", TicksOf(2022, 1, 1));
    MakeFile(dst + "\\orphan.txt", "o");
    MakeFile(dst + "\\ro orphan.txt", "r");
    SetFileAttributesA((dst + "\\ro orphan.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    MakeFile(dst + "\\gone\\inner\\x.obj", "x");
    MakeFile(dst + "\\gone\\y.txt", "y");
    // Counterparts of the other kind stay: a file over a source folder, and
    // a folder over a source file, which holds that file's copy.
    MakeFolder(src + "\\was folder");
    MakeFile(dst + "\\was folder", "file");
    MakeFile(src + "\\was file", "file");
    MakeFile(dst + "\\was file\\z.txt", "z");
    MakeFile(dst + "\\RECYCLED\\bin.txt", "b");
    MakeFile(dst + "\\stray.OBJ", "o");
    TreeSnapshot before = Snapshot(dst);

    // The update pass would stop at the file over the source folder, so the
    // delete pass runs alone here.
    SyncRun run(host, Options(1, 0, 1, 1));
    run.SetConfirm(0);
    CHECK(run.PruneTree(Widen(src.c_str()), Widen(dst.c_str())) == 1);
    // Object files stay inside orphan folders too, and so do the folders
    // holding them: nothing else changed.
    CHECK(Changes(before, Snapshot(dst)) == std::vector<std::string>{"gone\\y.txt", "orphan.txt", "ro orphan.txt"});
    CHECK(host.rows.size() == 3);
    CHECK(run.Counts().deleted == 3);
    CHECK(run.Counts().removedFolders == 0);
    CHECK(host.questions.empty());
}

TEST_CASE("delete answers: No on a folder stops, Cancel stops, Yes to All covers the rest")
{
    struct Row {
        const char* name;
        std::vector<std::string> orphans;
        int answer;
        int result;
        std::vector<std::string> left;  // what the destination holds after
    } rows[] = {
        {"No on a folder keeps it and stops the run", {"d\\a.txt"}, IDNO, 0, {"d", "keep.txt"}},
        {"Cancel on a file stops the run", {"a.txt", "b.txt"}, IDCANCEL, 0, {"a.txt", "b.txt", "keep.txt"}},
        {"Yes to All in the first question removes files and folders unasked", {"a.txt", "d\\b.txt", "e\\c.txt"},
         SyncYesToAll, 1, {"keep.txt"}},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.name));
        SyncTrees t;
        // Not an empty source, which the deletion guard would ask about.
        MakeFile(t.src + "\\keep.txt", "k", T);
        MakeFile(t.dst + "\\keep.txt", "k", T);
        for (const std::string& orphan : row.orphans)
            MakeFile(t.dst + "\\" + orphan, "o");
        t.host.answers = {row.answer};
        CHECK(Run(t.host, Options(1, 0, 0, 0), t.src, t.dst) == row.result);
        CHECK(FolderNames(t.dst) == row.left);
        CHECK(t.host.questions.size() == 1);
        CHECK(t.host.unexpected.empty());
    }
}
