#include "BoxRecorder.h"
#include "SyncTrees.h"

#include "TestProcess.h"
#include "TreeSnapshot.h"

#include <doctest/doctest.h>

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
