#include "BoxRecorder.h"
#include "SyncTrees.h"

#include "LockedPath.h"
#include "TestProcess.h"

#include <doctest/doctest.h>

TEST_CASE("the delete pass removes orphan files and folders, and only those")
{
    SyncTrees trees;
    MakeFile(trees.src + "\\kept.txt", "s", TicksOf(2020, 1, 1));
    MakeFile(trees.dst + "\\kept.txt", "d, newer and longer", TicksOf(2022, 1, 1));
    MakeFile(trees.dst + "\\orphan.txt", "o");
    MakeFile(trees.dst + "\\ro orphan.txt", "r");
    SetFileAttributesA((trees.dst + "\\ro orphan.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    MakeFile(trees.dst + "\\gone\\inner\\x.obj", "x");
    MakeFile(trees.dst + "\\gone\\y.txt", "y");
    // Counterparts of the other kind: a file over a source folder stays, a
    // folder over a source file goes.
    MakeFolder(trees.src + "\\was folder");
    MakeFile(trees.dst + "\\was folder", "file");
    MakeFile(trees.src + "\\was file", "file");
    MakeFile(trees.dst + "\\was file\\z.txt", "z");
    MakeFile(trees.dst + "\\RECYCLED\\bin.txt", "b");
    MakeFile(trees.dst + "\\stray.OBJ", "o");

    // The update pass would stop at the file over the source folder, so the
    // delete pass runs alone here.
    ScriptedHost host;
    SyncOptions options = Options(1, 0, 1, 1);
    SyncRun run(host, options);
    run.SetConfirm(0);
    CHECK(run.PruneTree(trees.src.c_str(), trees.dst.c_str()) == 1);
    const OperationCounts& counts = run.Counts();
    CHECK(Names(trees.dst) == std::vector<std::string>{"RECYCLED", "kept.txt", "stray.OBJ", "was folder"});
    CHECK(ReadWholeFile(trees.dst + "\\kept.txt") == "d, newer and longer");
    CHECK(ReadWholeFile(trees.dst + "\\was folder") == "file");
    CHECK(Contains(host.rows, "del " + trees.dst + "\\orphan.txt"));
    CHECK(Contains(host.rows, "rmdir " + trees.dst + "\\gone"));
    CHECK(Contains(host.rows, "rmdir " + trees.dst + "\\was file"));
    CHECK_FALSE(Contains(host.rows, "del " + trees.dst + "\\stray.OBJ"));
    CHECK(counts.deleted == 2 + 2 + 1);
    CHECK(counts.removedFolders == 3);
    CHECK(host.questions.empty());
}

TEST_CASE("delete answers: No spares a file, No on a folder stops, Cancel stops, Yes to All covers the rest")
{
    SyncTrees trees;
    ScriptedHost host;
    SUBCASE("No on a file keeps it and goes on")
    {
        MakeFile(trees.dst + "\\a.txt", "a");
        host.answers = {IDNO};
        CHECK(Run(host, Options(1, 0, 0, 0), trees.src, trees.dst) == 1);
        CHECK(PathExists(trees.dst + "\\a.txt"));
        CHECK(host.rows.empty());
    }
    SUBCASE("No on a folder keeps it and stops the run")
    {
        MakeFile(trees.dst + "\\d\\a.txt", "a");
        host.answers = {IDNO};
        CHECK(Run(host, Options(1, 0, 0, 0), trees.src, trees.dst) == 0);
        CHECK(PathExists(trees.dst + "\\d\\a.txt"));
        CHECK(host.questions == std::vector<std::string>{"rmdir " + trees.dst + "\\d"});
    }
    SUBCASE("Cancel on a file stops the run")
    {
        MakeFile(trees.dst + "\\a.txt", "a");
        MakeFile(trees.dst + "\\b.txt", "b");
        host.answers = {IDCANCEL};
        CHECK(Run(host, Options(1, 0, 0, 0), trees.src, trees.dst) == 0);
        CHECK(Names(trees.dst).size() == 2);
        CHECK(host.questions.size() == 1);
    }
    SUBCASE("Yes to All in the first question removes files and folders unasked")
    {
        MakeFile(trees.dst + "\\a.txt", "a");
        MakeFile(trees.dst + "\\d\\b.txt", "b");
        MakeFile(trees.dst + "\\e\\c.txt", "c");
        host.answers = {SyncYesToAll};
        CHECK(Run(host, Options(1, 0, 0, 0), trees.src, trees.dst) == 1);
        CHECK(Names(trees.dst).empty());
        CHECK(host.questions.size() == 1);
    }
    CHECK(host.unexpected.empty());
}

TEST_CASE("Yes to All of the update pass does not reach the delete pass")
{
    SyncTrees trees;
    MakeFile(trees.src + "\\a.txt", "new", TicksOf(2022, 1, 1));
    MakeFile(trees.dst + "\\a.txt", "old", TicksOf(2021, 1, 1));
    MakeFile(trees.dst + "\\orphan.txt", "o");
    ScriptedHost host;
    host.answers = {SyncYesToAll, IDYES};
    CHECK(Run(host, Options(1, 0, 0, 0), trees.src, trees.dst) == 1);
    CHECK(host.questions ==
          std::vector<std::string>{"replace " + trees.dst + "\\a.txt with " + trees.src + "\\a.txt",
                                   "delete " + trees.dst + "\\orphan.txt"});
    CHECK(Names(trees.dst) == std::vector<std::string>{"a.txt"});
}

TEST_CASE("a recycle folder inside an orphan folder ends the removal with Folder not empty")
{
    SyncTrees trees;
    BoxRecorder boxes;
    MakeFile(trees.dst + "\\orphan\\RECYCLER\\x.txt", "x");
    MakeFile(trees.dst + "\\orphan\\y.txt", "y");
    ScriptedHost host;
    CHECK(Run(host, Options(1, 0, 1, 0), trees.src, trees.dst) == 0);
    CHECK(boxes.LastText() == "Folder not empty");
    CHECK_FALSE(PathExists(trees.dst + "\\orphan\\y.txt"));
    CHECK(PathExists(trees.dst + "\\orphan\\RECYCLER\\x.txt"));
    CHECK(host.rows == std::vector<std::string>{"rmdir " + trees.dst + "\\orphan"});
}

TEST_CASE("a file that cannot be deleted stops the run with its code")
{
    SyncTrees trees;
    BoxRecorder boxes;
    MakeFile(trees.dst + "\\busy.txt", "b");
    LockedPath lock(trees.dst + "\\busy.txt");
    REQUIRE(lock.Held());
    ScriptedHost host;
    CHECK(Run(host, Options(1, 0, 1, 0), trees.src, trees.dst) == 0);
    CHECK(boxes.LastText() == "Error DeleteFile 32");
    CHECK(host.rows == std::vector<std::string>{"del " + trees.dst + "\\busy.txt"});
}
