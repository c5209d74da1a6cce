// Trees a hostile user or another program can make, on which a run used to
// lose files while reporting success. Each case checks that the files at
// risk are still there, whole, after the run.

#include "SyncTrees.h"

#include <doctest/doctest.h>

#include <memory>

namespace {

// Makes an entry under a Windows path on the Linux side, where names Windows
// calls would rewrite or fold can exist: "f" a file, "d" a folder.
bool MakeUnix(const std::string& folder, const std::string& name, char kind, const std::string& content = "")
{
    std::string path = UnixPath(folder) + "/" + name;
    return RunUnixShell(kind == 'd' ? "mkdir '" + path + "'" : "printf '%s' '" + content + "' > '" + path + "'");
}

}

TEST_CASE_FIXTURE(SyncTrees, "a link to a file is never followed when the delete pass meets it")
{
    MakeFile(temp / "outside\\thesis.tex", "three years of work");
    MakeFile(src + "\\keep.txt", "k");
    struct Row {
        const char* link;
        const char* lookAlike;  // a target in both trees that Wine names as the link; nullptr: the thesis
    } rows[] = {{"thesis-link.tex", nullptr}, {"old\\deeper\\thesis-link.tex", nullptr}, {"notes", "notes."},
                {"report", "report "}, {"sub.\\x", "sub\\x"}, {"dir\\x", "dir.\\x"}};
    for (const Row& row : rows) {
        CAPTURE(std::string(row.link));
        MakeFolder(dst + "\\old\\deeper");
        std::string target = row.lookAlike ? dst + "\\" + row.lookAlike : temp / "outside\\thesis.tex";
        for (const std::string& side : {src, dst})
            REQUIRE((!row.lookAlike || MakeFileW(LongForm(side + "\\" + row.lookAlike), "look-alike")));
        TestLink link(target, dst + "\\" + row.link);
        REQUIRE(link.Made());
        CHECK(Run(host, Options(1, 0, 1, 0), src, dst) == 0);
        CHECK(Has(boxes, row.link));
        CHECK(Has(boxes, "is a link to a file. It was left in place"));
        CHECK(ReadWholeFileW(LongForm(target)) == (row.lookAlike ? "look-alike" : "three years of work"));
    }
}

TEST_CASE_FIXTURE(SyncTrees, "a name the system shows in another form stops the run and leaves its look-alike whole")
{
    MakeFile(src + "\\data\\f2.txt", "f2", T);
    MakeFile(dst + "\\data\\f2.txt", "user's f2", T + 10 * S);
    REQUIRE(MakeFileW(LongForm(src) + L"\\a\uFFFD.txt", "older", T));
    REQUIRE(MakeFileW(LongForm(dst) + L"\\a\uFFFD.txt", "user's", T + 10 * S));
    // Listed as "data\f2.txt", which a path would take for the file in "data";
    // a name that is not UTF-8 is listed as the U+FFFD name beside it.
    for (const char* name : {"data\\f2.txt", "a'$(printf '\\377')'.txt"}) {
        for (const std::string& folder : {dst, src}) {
            CAPTURE(folder);
            TreeSnapshot before = Snapshot(dst);
            REQUIRE(MakeUnix(folder, name, 'f', "linux"));
            CHECK(Run(host, Options(1, 0, 1, 0), src, dst) == 0);
            CHECK(Has(boxes, "which Windows would take for another name"));
            CHECK(Has(boxes, name[0] == 'a' ? "a?.txt" : name));
            REQUIRE(RunUnixShell("rm -f '" + UnixPath(folder) + "/" + name + "'"));
            CHECK(Changes(before, Snapshot(dst)).empty());
        }
    }
}

TEST_CASE_FIXTURE(SyncTrees, "the delete pass deletes only what a source that is still there lacks")
{
    std::string gone = temp / "gone";
    // The source unplugged once the update pass has copied its last file.
    MakeFile(src + "\\a.txt", "new", T + 10 * S);
    MakeFile(dst + "\\a.txt", "old", T);
    MakeFile(dst + "\\sub\\mine.txt", "m", T);
    host.onPump = [&](int) {
        if (!PathExists(gone) && ReadWholeFile(dst + "\\a.txt") == "new")
            MoveFileA(src.c_str(), gone.c_str());
    };
    CHECK(Run(host, Options(1, 0, 1, 0), src, dst) == 0);
    CHECK(Has(boxes, "Nothing more was deleted"));
    CHECK(ReadWholeFile(dst + "\\sub\\mine.txt") == "m");
    REQUIRE(MoveFileA(gone.c_str(), src.c_str()));

    // Another program acts while the first deletion is asked about.
    struct Row {
        const char* name;
        const char* moved;  // moved away from below the source; nullptr: the orphan comes back instead
        const char* expected;
        std::vector<std::string> kept;
    } rows[] = {
        {"the source gone", "", "Nothing more was deleted", {"orphan.txt", "sub\\mine.txt"}},
        {"a source folder gone", "\\sub", "Nothing more was deleted", {"sub\\mine.txt"}},
        {"the orphan back in the source", nullptr, nullptr, {"orphan.txt"}},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.name));
        SyncTrees t;
        MakeFile(t.src + "\\sub\\x.txt", "x", T);
        MakeFile(t.dst + "\\sub\\x.txt", "x", T);
        MakeFile(t.dst + "\\sub\\mine.txt", "m", T);
        MakeFile(t.dst + "\\orphan.txt", "o", T);
        t.host.answers = {IDYES, IDYES};
        t.host.onQuestion = [&](const std::string& question) {
            if (row.moved && t.host.questions.size() == 1)
                MoveFileA((t.src + row.moved).c_str(), (t.temp / "gone").c_str());
            else if (!row.moved && question.find("orphan.txt") != std::string::npos)
                MakeFile(t.src + "\\orphan.txt", "back", T);
        };
        int result = Run(t.host, Options(1, 0, 0, 0), t.src, t.dst);
        if (row.expected) {
            CHECK(result == 0);
            CHECK(Has(t.boxes, row.expected));
        }
        for (const std::string& kept : row.kept)
            CHECK(PathExists(t.dst + "\\" + kept));
    }
}

TEST_CASE_FIXTURE(SyncTrees, "a drive unplugged once the update pass is done leaves the destination's orphans (needs root)")
{
    // Its mount folder stays, empty.
    SmallDisk disk(src, "1m");
    REQUIRE(disk.Mounted());
    MakeFile(src + "\\a.txt", "new", T + 10 * S);
    MakeFile(dst + "\\a.txt", "old", T);
    MakeFile(dst + "\\sub\\mine.txt", "m", T);
    bool unplugged = false;
    host.onPump = [&](int) {
        if (!unplugged && ReadWholeFile(dst + "\\a.txt") == "new")
            unplugged = RunUnixShell("umount '" + UnixPath(src) + "'");
    };
    CHECK(Run(host, Options(1, 0, 1, 0), src, dst) == 0);
    CHECK(Has(boxes, "Nothing more was deleted"));
    CHECK(ReadWholeFile(dst + "\\sub\\mine.txt") == "m");
}

TEST_CASE_FIXTURE(SyncTrees, "a destination saved after its folder was listed is replaced only if still older")
{
    MakeFile(src + "\\notes.txt", "week-old source", T + 10 * S);
    struct Row {
        const char* name;
        bool confirm;
        const char* at;
    } rows[] = {{"saved while its question is up", true, "replace"}, {"saved during its copy", false, "copy"}};
    for (const Row& row : rows) {
        CAPTURE(std::string(row.name));
        MakeFile(dst + "\\notes.txt", "old", T);
        ScriptedHost host;
        host.answers = {IDYES};
        auto save = [&](const std::string& what) {
            if (what.rfind(row.at, 0) == 0)
                MakeFile(dst + "\\notes.txt", "the user's new text", T + 20 * S);
        };
        host.onQuestion = save;
        host.onRow = save;
        CHECK(Run(host, Options(0, 0, row.confirm ? 0 : 1, 0), src, dst) == 1);
        CHECK(ReadWholeFile(dst + "\\notes.txt") == "the user's new text");
        CHECK(FolderNames(dst) == std::vector<std::string>{"notes.txt"});
    }
}

TEST_CASE_FIXTURE(SyncTrees, "a destination folder swapped for a link after its listing is not written through")
{
    MakeFile(temp / "outside\\f.txt", "outside", T);
    // 0: sub, after the top folder's listings, before the walk goes down into
    // it; 1: sub, 2: the top folder, while f.txt is asked about after e.txt;
    // 3: sub, before the run.
    for (int moment : {0, 1, 2, 3}) {
        std::string folder = moment == 2 ? dst : dst + "\\sub";
        for (const char* name : {"\\e.txt", "\\f.txt"}) {
            MakeFile(src + folder.substr(dst.size()) + name, "source", T + 10 * S);
            MakeFile(folder + name, "old", T);
        }
        std::unique_ptr<TestLink> link;
        auto swap = [&](bool now) {
            if (now && !link && MoveFileA(folder.c_str(), (temp / "moved" + std::to_string(moment)).c_str()))
                link.reset(new TestLink(temp / "outside", folder));
        };
        ScriptedHost host;
        host.answers = {IDYES, IDYES};
        host.onPump = [&](int pump) { swap(moment == 0 && pump == 2); };
        host.onQuestion = [&](const std::string&) { swap(host.questions.size() == 2); };
        swap(moment == 3);
        boxes.boxes.clear();
        CHECK(Run(host, Options(0, 0, moment ? 0 : 1, 0), src, dst) == 0);
        CHECK(Has(boxes, "Nothing is written through it"));
        if (moment == 3)
            CHECK(boxes.LastText() ==
                  "'" + folder + "' is a link to another folder. Nothing is written through it; the run was stopped.");
        CHECK(FolderNames(temp / "outside") == std::vector<std::string>{"f.txt"});
        CHECK(ReadWholeFile(temp / "outside\\f.txt") == "outside");
    }
}

TEST_CASE_FIXTURE(SyncTrees, "the delete pass never prunes through a folder swapped for a link after its listing")
{
    // Swapped while a deletion before the folder, or inside it, is asked
    // about; or the top folder, during the update pass.
    for (const char* asked : {"a.txt", "sub\\b.txt", ""}) {
        TempFolder trees;
        std::string swapped = trees / (*asked ? "dst\\sub" : "dst");
        MakeFile(trees / "outside\\b.txt", "outside", T);
        MakeFile(trees / "src\\sub\\x.txt", "x", T);
        MakeFile(trees / "dst\\sub\\x.txt", "x", T);
        if (*asked)
            MakeFile(trees / "dst\\" + asked, "orphan", T);
        std::unique_ptr<TestLink> link;
        auto swap = [&] {
            if (!link && MoveFileA(swapped.c_str(), (trees / "moved").c_str()))
                link.reset(new TestLink(trees / "outside", swapped));
        };
        ScriptedHost host;
        host.answers = {IDYES, IDYES};
        host.onQuestion = [&](const std::string&) { swap(); };
        // The update pass shows the source's top folder as it lists it.
        host.onPump = [&](int) {
            if (!*asked && !host.statuses.empty() && host.statuses.back() == trees / "src")
                swap();
        };
        Run(host, Options(1, 0, 0, 0), trees / "src", trees / "dst");
        CHECK(ReadWholeFile(trees / "outside\\b.txt") == "outside");
    }
}

TEST_CASE_FIXTURE(SyncTrees, "case twins never stand for each other")
{
    // X.txt newer in the source, x.txt newer in the destination.
    struct Twin {
        const std::string& folder;
        const char* name;
        const char* content;
        unsigned long long ticks;
    } twins[] = {{src, "X.txt", "new", T + 10 * S}, {src, "x.txt", "old x", T},
                 {dst, "X.txt", "old X", T},         {dst, "x.txt", "mine", T + 10 * S}};
    for (const Twin& twin : twins) {
        REQUIRE(MakeUnix(twin.folder, twin.name, 'f', twin.content));
        SetWriteTicks(twin.folder + "\\" + twin.name, twin.ticks);
    }
    OperationCounts counts;
    CHECK(Run(host, Options(1, 0, 1, 0), src, dst, &counts) == 1);
    CHECK(counts.replaced == 1);
    CHECK(RunUnixShell("grep -qx new '" + UnixPath(dst) + "/X.txt' && grep -qx mine '" + UnixPath(dst) + "/x.txt'"));

    // A destination twin gone while its question is up: the copy must not land on the other.
    ScriptedHost asked;
    asked.answers = {IDYES};
    asked.onQuestion = [&](const std::string&) { RunUnixShell("rm '" + UnixPath(dst) + "/x.txt'"); };
    for (const std::string& twin : {dst + "\\x.txt", dst + "\\X.txt", src + "\\X.txt"})
        SetWriteTicks(twin, T);
    SetWriteTicks(src + "\\x.txt", T + 5 * S);
    CHECK(Run(asked, Options(0, 0, 0, 0), src, dst) == 1);
    CHECK(RunUnixShell("grep -qx new '" + UnixPath(dst) + "/X.txt'"));

    // Folder twins in the destination: data is not pruned by Data's contents.
    MakeFile(src + "\\Data\\a.txt", "a", T);
    MakeFile(dst + "\\Data\\a.txt", "a", T);
    REQUIRE(MakeUnix(dst, "data", 'd'));
    REQUIRE(MakeUnix(dst + "\\data", "mine.txt", 'f', "mine"));
    CHECK(Prune(host, src, dst) == 1);
    CHECK(RunUnixShell("grep -qx mine '" + UnixPath(dst) + "/data/mine.txt'"));
    REQUIRE(RunUnixShell("rm -r '" + UnixPath(dst) + "/data' '" + UnixPath(src) + "/Data' '" + UnixPath(dst) + "/Data'"));

    // Twins in the source with no exact counterpart: one would land on the other.
    REQUIRE(RunUnixShell("rm '" + UnixPath(dst) + "/X.txt'"));
    CHECK(Run(host, Options(1, 0, 1, 0), src, dst) == 0);
    CHECK(Has(boxes, "differ only in letter case"));
    CHECK(FolderNames(dst).empty());
    REQUIRE(RunUnixShell("rm '" + UnixPath(src) + "/X.txt' '" + UnixPath(src) + "/x.txt'"));
}

TEST_CASE_FIXTURE(SyncTrees, "a question that ends without Yes never lets a file go")
{
    MakeFile(src + "\\a.txt", "new", T + 10 * S);
    MakeFile(dst + "\\a.txt", "old", T);
    MakeFile(dst + "\\orphan.txt", "o", T);
    // 0: its window destroyed; -1: the dialog failed; IDOK and 42: no answer of a question.
    for (int answer : {0, -1, IDOK, 42}) {
        CAPTURE(answer);
        for (bool replace : {true, false}) {
            ScriptedHost host;
            host.answers = {replace ? answer : IDNO, answer};
            CHECK(Run(host, Options(1, 0, 0, 0), src, dst) == 0);
            CHECK(ReadWholeFile(dst + "\\a.txt") == "old");
            CHECK(ReadWholeFile(dst + "\\orphan.txt") == "o");
        }
    }
}
