// Faults met in the middle of a run: another program holding or changing
// files, a write-protected destination, runs cut short. Each case checks what
// the user was told, that nothing outside what the run should touch changed,
// and that no file is left half-written.

#include "SyncTrees.h"

#include "LockedPath.h"

#include <doctest/doctest.h>

// Three files another program holds without sharing: a source to copy, a
// destination to replace (read-only: its flag comes back) and an orphan.
TEST_CASE_FIXTURE(SyncTrees, "files held by another program: Skip, Skip all and Stop do what they say")
{
    MakeFile(src + "\\a.txt", "new", T + 10 * S);
    MakeFile(dst + "\\a.txt", "old", T);
    SetFileAttributesA((dst + "\\a.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    MakeFile(src + "\\b.txt", "b");
    MakeFile(src + "\\c.txt", "c");
    MakeFile(src + "\\d.txt", "d");
    MakeFile(dst + "\\orphan.txt", "o");
    LockedPath heldSource(src + "\\b.txt");
    LockedPath heldDestination(dst + "\\a.txt");
    LockedPath heldOrphan(dst + "\\orphan.txt");
    REQUIRE((heldSource.Held() && heldDestination.Held() && heldOrphan.Held()));
    TreeSnapshot before = Snapshot(dst);
    const std::string skipped[] = {"skip " + src + "\\a.txt " + dst + "\\a.txt is in use",
                                   "skip " + src + "\\b.txt " + src + "\\b.txt is in use",
                                   "skip " + dst + "\\orphan.txt Error DeleteFile 32"};
    struct Case {
        const char* name;
        std::deque<int> answers;
        int result;
        std::size_t asked;
    };
    for (const Case& c : {Case{"Stop", {IDCANCEL}, 0, 1}, Case{"Skip each", {IDIGNORE, IDIGNORE, IDIGNORE}, 1, 3},
                          Case{"Skip all", {SyncSkipAll}, 1, 1}}) {
        CAPTURE(std::string(c.name));
        ScriptedHost run;
        run.answers = c.answers;
        OperationCounts counts;
        CHECK(Run(run, Options(1, 0, 1, 0), src, dst, &counts) == c.result);
        CHECK(run.questions.size() == c.asked);
        CHECK(run.unexpected.empty());
        CHECK(boxes.boxes.empty());
        // The held files are as they were, read-only flag included.
        TreeSnapshot after = Snapshot(dst);
        for (const char* name : {"a.txt", "orphan.txt"})
            CHECK((before.count(name) && after[name] == before[name]));
        if (c.result == 0) {
            CHECK(run.statuses.back() == "The run was stopped by an error.");
            continue;
        }
        CHECK(counts.skipped == 3);
        CHECK(ReadWholeFile(dst + "\\c.txt") == "c");
        CHECK(ReadWholeFile(dst + "\\d.txt") == "d");
        // Each skipped file has its row with the reason, and is listed again
        // at the end.
        std::vector<std::string> tail(run.rows.end() - 3, run.rows.end());
        for (const std::string& row : skipped) {
            CHECK(std::count(run.rows.begin(), run.rows.end(), row) == 1);
            CHECK(std::count(tail.begin(), tail.end(), "skipped" + row.substr(4)) == 1);
        }
    }
}

TEST_CASE("a write-protected destination stops the run and stays as it was (needs root)")
{
    struct Row {
        const char* name;
        const char* added;         // beside a.txt in the source, if not empty
        bool folder;               // added is a folder
        unsigned long long ticks;  // of the source's a.txt, as old as the destination's or newer
        const char* box;
    } rows[] = {
        {"a new file", "new.txt", false, T, "Error CopyFile "},
        {"a newer file", "", false, T + 10 * S, "Error CopyFile "},
        {"a new folder", "sub", true, T, "Error CreateDirectory "},
        {"an orphan", "", false, T, "Error DeleteFile "},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.name));
        SyncTrees t;
        SmallDisk disk(t.dst, "1m");
        REQUIRE(disk.Mounted());
        MakeFile(t.dst + "\\a.txt", "old", T);
        MakeFile(t.dst + "\\orphan.txt", "o");
        MakeFile(t.src + "\\a.txt", row.ticks == T ? "old" : "new", row.ticks);
        if (row.folder)
            MakeFolder(t.src + "\\" + row.added);
        else if (*row.added)
            MakeFile(t.src + "\\" + row.added, "n");
        REQUIRE(disk.MakeReadOnly());
        TreeSnapshot before = Snapshot(t.temp.Path());
        CHECK(Run(t.host, Options(1, 0, 1, 0), t.src, t.dst) == 0);
        // Wine answers access denied there as for one file: no skip is
        // offered where no file can be written.
        CHECK(t.host.unexpected.empty());
        REQUIRE(t.boxes.boxes.size() == 1);
        CHECK(t.boxes.LastText().rfind(row.box, 0) == 0);
        CHECK(Changes(before, Snapshot(t.temp.Path())).empty());
    }
}

TEST_CASE("a source changed between its listing and its copy stops the run and touches nothing")
{
    struct Row {
        const char* name;
        int change;       // 0: gone.txt deleted, 1: sub renamed, 2: the source swapped for an empty folder
        bool replacing;   // gone.txt is to replace an older copy
        const char* box;  // what the box says after the source's path; nullptr: no box, a question
    } rows[] = {
        {"a new file deleted", 0, false, nullptr},
        {"a newer file deleted", 0, true, nullptr},
        {"a folder renamed", 1, false, "\\sub' (error 3). The run was stopped."},
        {"an unplugged drive's empty mount folder", 2, false, ""},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.name));
        SyncTrees t;
        const std::string& src = t.src;
        MakeFile(src + (row.change == 1 ? "\\sub\\f.txt" : "\\gone.txt"), "new", T + 10 * S);
        if (row.replacing)
            MakeFile(t.dst + "\\gone.txt", "old", T);
        MakeFile(t.dst + "\\orphan.txt", "o");
        TreeSnapshot before = Snapshot(t.dst);
        // The first pump once the update pass shows the source falls after
        // it lists the folder and before any copy from it.
        t.host.onPump = [&](int) {
            if (t.host.statuses.empty() || t.host.statuses.back() != src || PathExists(t.temp / "gone"))
                return;
            if (row.change == 0)
                DeleteFileA((src + "\\gone.txt").c_str());
            else if (row.change == 1)
                MoveFileA((src + "\\sub").c_str(), (src + "\\moved").c_str());
            else if (MoveFileA(src.c_str(), (t.temp / "gone").c_str()))
                MakeFolder(src);
        };
        CHECK(Run(t.host, Options(1, 0, 1, 0), src, t.dst) == 0);
        // Neither the destination's copy nor anything beside it was touched,
        // and the delete pass did not run.
        CHECK(Changes(before, Snapshot(t.dst)).empty());
        if (!row.box) {
            CHECK(t.host.unexpected == std::vector<std::string>{"skip? Error CopyFile 2"});
            CHECK(t.host.rows == std::vector<std::string>{"copy " + src + "\\gone.txt " + t.dst + "\\gone.txt"});
            continue;
        }
        CHECK(t.host.questions.empty());
        CHECK((row.change == 2 || t.host.rows.empty()));
        REQUIRE(t.boxes.boxes.size() == 1);
        CHECK(Has(t.boxes, src + row.box));
    }
}

TEST_CASE_FIXTURE(SyncTrees, "a run aborted between two files leaves whole files only, and the next run does the rest")
{
    for (int i = 0; i < 12; ++i) {
        std::string name = "\\f" + std::to_string(i) + ".txt";
        MakeFile(src + name, "source " + std::string(i * 100, 's'), T + 10 * S);
        MakeFile(src + "\\sub" + name, "inner " + std::to_string(i));
        if (i % 3 == 0)
            MakeFile(dst + name, "older", T);
    }
    MakeFile(dst + "\\orphan.txt", "o");
    TreeSnapshot destinationBefore = Snapshot(dst);
    TreeSnapshot sourceBefore = Snapshot(src);
    host.onRow = [&](const std::string&) { host.abort = host.rows.size() == 3; };
    CHECK(Run(host, Options(1, 0, 1, 0), src, dst) == 0);
    CHECK(host.rows.size() >= 3);
    CHECK(host.rows.size() < 20);
    // Every file the run wrote is a whole copy: what differs from the source
    // is what was there before.
    TreeSnapshot destination = Snapshot(dst);
    for (const std::string& path : FilesUnlikeSource(Snapshot(src), destination)) {
        CAPTURE(path);
        CHECK((destinationBefore.count(path) && destinationBefore[path] == destination[path]));
    }
    CHECK(PathExists(dst + "\\orphan.txt"));

    ScriptedHost again;
    CHECK(Run(again, Options(1, 0, 1, 0), src, dst) == 1);
    // Every copy, the orphan's deletion and the making of "sub", once.
    CHECK(host.rows.size() + again.rows.size() == 12 + 12 + 1 + 1);
    CHECK(FilesUnlikeSource(sourceBefore, Snapshot(dst)).empty());
    CHECK(Changes(sourceBefore, Snapshot(src)).empty());
    CHECK(Snapshot(dst).size() == sourceBefore.size());
}

TEST_CASE_FIXTURE(SyncTrees, "a run killed during a copy leaves no half-written file under its name, and the next run completes it")
{
    // Large enough that the copy is still going when the run is killed.
    const std::size_t bigSize = 16u * 1024 * 1024;
    MakeFile(src + "\\big.bin", std::string(bigSize, 'b'), T);
    MakeFile(src + "\\small.txt", "s", T);
    MakeFile(dst + "\\big.bin", "the old big", T - 10 * S);
    MakeFile(src + "\\sub\\new big.bin", std::string(bigSize, 'n'), T);
    std::string bench = "\"" + TestBinaryFolder() + "\\syncbench.exe\" ";

    // Kill one run while it replaces big.bin, one while it copies the new one.
    // A fast disk can finish a copy between two looks; such a run is undone
    // and tried again.
    for (const std::string& folder : {dst, dst + "\\sub"}) {
        CAPTURE(folder);
        bool caught = false;
        for (int attempt = 0; attempt < 8 && !caught; ++attempt) {
            if (attempt > 0) {
                MakeFile(dst + "\\big.bin", "the old big", T - 10 * S);
                DeleteFileA((dst + "\\sub\\new big.bin").c_str());
            }
            TestProcess run(bench + "\"" + src + "\" \"" + dst + "\"");
            REQUIRE(run.Started());
            DWORD start = GetTickCount();
            while (!caught && run.ExitCode() == STILL_ACTIVE && GetTickCount() - start < 30000)
                caught = CopyUnderWay(folder);
            run.Kill();
        }
        CHECK(caught);
        std::string old = ReadWholeFile(dst + "\\big.bin");
        CHECK((old == "the old big" || old.size() == bigSize));
        std::string fresh = ReadWholeFile(dst + "\\sub\\new big.bin");
        CHECK((fresh.empty() || fresh.size() == bigSize));
    }
    CHECK(RunToEnd(bench + "\"" + src + "\" \"" + dst + "\"", 60000) == 0);
    // Only the temporary files of the killed copies may differ.
    for (const std::string& path : FilesUnlikeSource(Snapshot(src), Snapshot(dst))) {
        CAPTURE(path);
        CHECK(IsTemporaryCopyName(path));
    }
}

TEST_CASE_FIXTURE(SyncTrees, "an abort during a large copy stops it between chunks and leaves the destination as it was")
{
    // Large enough that the copy is still going when it is first seen.
    const std::size_t bigSize = 64u * 1024 * 1024;
    MakeFile(src + "\\big.bin", std::string(bigSize, 'b'), T);
    SUBCASE("replacing an older file") { MakeFile(dst + "\\big.bin", "the old big", T - 10 * S); }
    SUBCASE("a new file") {}
    TreeSnapshot before = Snapshot(dst);
    bool copying = false;
    bool sawTemporary = false;
    host.onRow = [&](const std::string& row) { copying = row.rfind("copy ", 0) == 0; };
    host.onPump = [&](int) {
        if (!copying || host.abort)
            return;
        // Asked for once the copy is seen under way: a loaded machine may
        // not have started it at the first pump.
        sawTemporary = CopyUnderWay(dst);
        host.abort = sawTemporary;
    };
    CHECK(Run(host, Options(0, 0, 1, 0), src, dst) == 0);
    CHECK(sawTemporary);
    CHECK(boxes.boxes.empty());
    CHECK(host.statuses.back() == "The run was aborted.");
    CHECK(Changes(before, Snapshot(dst)).empty());
}
