#include "SyncTrees.h"

#include "LockedPath.h"

#include <doctest/doctest.h>

#include <cstdio>

namespace {

// Copied, replaced, bytes, made, deleted, removed, newer: in one line to compare.
std::string Summary(const OperationCounts& c)
{
    char text[128];
    std::snprintf(text, sizeof text, "%d %d %llu %d %d %d %d", c.copied, c.replaced, c.bytes, c.createdFolders,
                  c.deleted, c.removedFolders, c.newer);
    return text;
}

}

TEST_CASE_FIXTURE(SyncTrees, "a preview logs and counts what the run then does, row for row, and touches nothing")
{
    MakeFile(src + "\\new.txt", "12345", T);
    MakeFile(src + "\\folder\\deep\\inner.txt", "inner", T);
    MakeFile(src + "\\older.txt", "source version", T + 10 * S);
    MakeFile(dst + "\\older.txt", "old", T);
    MakeFile(src + "\\newer.txt", "source", T);
    MakeFile(dst + "\\newer.txt", "mine", T + 10 * S);
    MakeFile(dst + "\\orphan.txt", "o", T);
    MakeFile(dst + "\\gone\\a.txt", "a", T);
    MakeFile(dst + "\\gone\\b\\c.txt", "c", T);
    MakeFile(dst + "\\~omb1A2B-4.tmp", "a killed run's", T);
    SetFileAttributesA((dst + "\\older.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    TreeSnapshot sources = Snapshot(src);
    TreeSnapshot destinations = Snapshot(dst);

    // Asked nothing although the set asks before every replace and delete.
    SyncRun preview(host, Options(1, 0, 0, 0));
    preview.SetPreview(true);
    CHECK(preview.RunSet(src.c_str(), dst.c_str()) == 1);
    CHECK(host.questions.empty());
    CHECK(Changes(sources, Snapshot(src)).empty());
    CHECK(Changes(destinations, Snapshot(dst)).empty());
    // 5 + 5 + 14 bytes to write.
    CHECK(Summary(preview.Counts()) == "2 1 24 2 3 2 1");
    CHECK_FALSE(preview.Guarded());

    ScriptedHost real;
    real.answers = {SyncYesToAll, SyncYesToAll};
    OperationCounts done;
    CHECK(Run(real, Options(1, 0, 0, 0), src, dst, &done) == 1);
    // The preview's rows as the run logs them.
    std::vector<std::string> planned;
    for (const std::string& row : host.rows) {
        bool plan = row.rfind("(plan) ", 0) == 0;
        CHECK((plan || row.rfind("newer, kept ", 0) == 0));
        planned.push_back(plan ? row.substr(7) : row);
    }
    CHECK(real.rows == planned);
    CHECK(Summary(done) == Summary(preview.Counts()));

    // A preview can be aborted, and says so.
    ScriptedHost aborted;
    aborted.abortAtPump = 2;
    SyncRun again(aborted, Options(1, 0, 0, 0));
    again.SetPreview(true);
    CHECK(again.RunSet(src.c_str(), dst.c_str()) == 0);
    CHECK(again.Stopped() == RunContext::Aborted);
    CHECK(aborted.statuses.back() == "The run was aborted.");
}

TEST_CASE("the deletion guard asks before a run would empty the destination, Force or not")
{
    struct Row {
        const char* name;
        int sourceFiles;      // the first of the destination's files the source also has
        int destinationFiles;
        const char* question; // nullptr: none
    } rows[] = {
        {"an empty source", 0, 3, "guard 3 of 3"},
        {"sides swapped: most of it is not in the source", 10, 50, "guard 40 of 50"},
        {"twenty of twenty-one", 1, 21, "guard 20 of 21"},
        {"nineteen of twenty: too few", 1, 20, nullptr},
        {"an ordinary run with a few orphans", 27, 30, nullptr},
    };
    for (const Row& row : rows) {
        for (int answer : {IDNO, IDYES}) {
            CAPTURE(std::string(row.name));
            CAPTURE(answer);
            SyncTrees t;
            if (row.sourceFiles)
                MakeFile(t.src + "\\only in source.txt", "s", T);
            for (int i = 0; i < row.destinationFiles; ++i) {
                std::string name = "\\sub" + std::to_string(i % 3) + "\\f" + std::to_string(i) + ".txt";
                MakeFile(t.dst + name, "d", T);
                if (i < row.sourceFiles)
                    MakeFile(t.src + name, "d", T);
            }
            TreeSnapshot before = Snapshot(t.dst);
            t.host.answers = {answer};
            int result = Run(t.host, Options(1, 0, 1, 0), t.src, t.dst);
            if (!row.question) {
                CHECK(t.host.questions.empty());
                CHECK(result == 1);
                break;
            }
            REQUIRE(t.host.questions.size() == 1);
            CHECK(t.host.questions[0] == std::string(row.question) + " in " + t.dst);
            if (answer == IDNO) {
                // Nothing deleted, and nothing copied either: the run never started.
                CHECK(result == 0);
                CHECK(Changes(before, Snapshot(t.dst)).empty());
                CHECK(t.host.statuses.back() == "The run was cancelled.");
            } else {
                CHECK(result == 1);
                CHECK(Snapshot(t.dst).size() == Snapshot(t.src).size());
            }
        }
    }
}

TEST_CASE_FIXTURE(SyncTrees, "with the Recycle Bin on, what a run deletes or replaces is in the bin; a held file stays alone")
{
    std::string trash = TrashFiles();
    REQUIRE(!trash.empty());
    // Names no earlier run left in the trash, where Wine would pick others.
    std::string tag = TrashTag();
    MakeFile(src + "\\report" + tag + ".txt", "new version", T + 10 * S);
    MakeFile(dst + "\\report" + tag + ".txt", "old version", T);
    MakeFile(dst + "\\orphan" + tag + ".txt", "orphan", T);
    MakeFile(dst + "\\folder" + tag + "\\inner.txt", "inner", T);
    // Skipped, it keeps its orphan folder; the rest of that folder goes.
    MakeFile(dst + "\\held" + tag + "\\held.txt", "held", T);
    MakeFile(dst + "\\held" + tag + "\\free" + tag + ".txt", "free", T);
    LockedPath held(dst + "\\held" + tag + "\\held.txt");
    REQUIRE(held.Held());
    host.answers = {IDIGNORE};
    SyncRun run(host, Options(1, 0, 1, 0));
    run.SetRecycle(true);
    CHECK(run.RunSet(src.c_str(), dst.c_str()) == 1);
    CHECK(host.questions.size() == 1);
    CHECK(host.unexpected.empty());
    CHECK(ReadWholeFile(dst + "\\report" + tag + ".txt") == "new version");
    CHECK(FolderNames(dst) == std::vector<std::string>{"held" + tag, "report" + tag + ".txt"});
    CHECK(FolderNames(dst + "\\held" + tag) == std::vector<std::string>{"held.txt"});
    CHECK(ReadWholeFile(trash + "report" + tag + ".txt") == "old version");
    CHECK(ReadWholeFile(trash + "orphan" + tag + ".txt") == "orphan");
    CHECK(ReadWholeFile(trash + "folder" + tag + "\\inner.txt") == "inner");
    CHECK(ReadWholeFile(trash + "free" + tag + ".txt") == "free");
    // The held folder is not removed: one folder, and three files besides the replaced one.
    CHECK(Summary(run.Counts()) == "0 1 11 0 3 1 0");
    CHECK(run.Counts().skipped == 1);
    for (const char* name : {"report", "orphan", "folder", "free"})
        EmptyTrashOf(name + tag);
}

TEST_CASE("with the Recycle Bin on, a disk the bin refuses asks once before deleting for good (needs root)")
{
    // A disk of its own, away from the trash. No keeps everything.
    for (int answer : {IDNO, IDYES}) {
        CAPTURE(answer);
        SyncTrees t;
        SmallDisk small(t.dst, "1m");
        REQUIRE(small.Mounted());
        MakeFile(t.src + "\\c.txt", "new", T + 10 * S);
        MakeFile(t.dst + "\\c.txt", "old", T);
        MakeFile(t.dst + "\\a.txt", "a", T);
        MakeFile(t.dst + "\\sub\\b.txt", "b", T);
        TreeSnapshot before = Snapshot(t.dst);
        t.host.answers = {answer};
        SyncRun refused(t.host, Options(1, 0, 1, 0));
        refused.SetRecycle(true);
        CHECK(refused.RunSet(t.src.c_str(), t.dst.c_str()) == 1);
        CHECK(t.host.questions == std::vector<std::string>{"for good " + t.dst + "\\c.txt"});
        if (answer == IDNO) {
            CHECK(Changes(before, Snapshot(t.dst)).empty());
            CHECK(refused.Counts().skipped == 3);
            CHECK(std::count(t.host.rows.begin(), t.host.rows.end(), "skip " + t.dst + "\\a.txt") == 1);
        } else {
            CHECK(FolderNames(t.dst) == std::vector<std::string>{"c.txt"});
            CHECK(ReadWholeFile(t.dst + "\\c.txt") == "new");
        }
    }
}

TEST_CASE_FIXTURE(SyncTrees, "a source folder gone during the update pass has the guard ask before its copy is deleted")
{
    for (int i = 0; i < 30; ++i) {
        MakeFile(src + "\\big\\f" + std::to_string(i), "f", T);
        MakeFile(dst + "\\big\\f" + std::to_string(i), "f", T);
    }
    MakeFile(src + "\\new.txt", "n", T);
    host.onRow = [&](const std::string& row) {
        if (row.rfind("copy ", 0) == 0)
            MoveFileA((src + "\\big").c_str(), (temp / "moved").c_str());
    };
    host.answers = {IDNO};
    CHECK(Run(host, Options(1, 0, 1, 0), src, dst) == 0);
    CHECK(host.questions == std::vector<std::string>{"guard 30 of 30 in " + dst});
    CHECK(FolderNames(dst + "\\big").size() == 30);
}
