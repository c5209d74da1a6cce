// Each case builds a tree that would lose or corrupt data without its guard.

#include "BoxRecorder.h"
#include "EFlags.h"
#include "FolderIdentity.h"
#include "SyncTrees.h"

#include "FlagScope.h"
#include "LockedPath.h"
#include "TestProcess.h"

#include <doctest/doctest.h>

namespace {

// The same folder spelled through Wine's Z: drive, which reaches the whole
// Linux tree.
std::string ZSpelling(const std::string& path)
{
    std::string unix = UnixPath(path);
    for (char& c : unix) {
        if (c == '/')
            c = '\\';
    }
    return "Z:" + unix;
}

const char* const nestedText = "are the same folder, or one lies inside the other. Nothing was changed.";

bool Has(const BoxRecorder& boxes, const std::string& part)
{
    return boxes.LastText().find(part) != std::string::npos;
}

std::wstring Wide(const std::string& text)
{
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, MAX_PATH);
    return wide;
}

bool MakeFileW(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

}

TEST_CASE("nested folders are refused before anything is touched, however they are spelled")
{
    SyncTrees trees;
    BoxRecorder boxes;
    MakeFile(trees.src + "\\a.txt", "a");
    MakeFile(trees.dst + "\\keep.txt", "k");
    ScriptedHost host;
    SyncOptions wipe = Options(1, 0, 1, 0);

    CHECK(Run(host, wipe, trees.src, trees.src + "\\out") == 0);
    CHECK(Has(boxes, nestedText));
    CHECK_FALSE(PathExists(trees.src + "\\out"));

    // The source inside the destination: the delete pass would remove it.
    MakeFile(trees.dst + "\\in\\b.txt", "b");
    CHECK(Run(host, wipe, trees.dst + "\\in", trees.dst) == 0);
    CHECK(ReadWholeFile(trees.dst + "\\in\\b.txt") == "b");
    CHECK(ReadWholeFile(trees.dst + "\\keep.txt") == "k");

    CHECK(Run(host, wipe, trees.src, trees.src + "\\") == 0);
    CHECK(Run(host, wipe, trees.src, trees.temp / "src\\..\\src\\deeper\\out") == 0);
    std::string upper = trees.src;
    for (char& c : upper)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    CHECK(Run(host, wipe, upper, trees.src + "/out") == 0);
    CHECK(Run(host, wipe, trees.src, trees.src + "\\.\\out") == 0);
    CHECK(Run(host, wipe, trees.src, trees.src + "\\\\out") == 0);
    std::string slashes = trees.src;
    for (char& c : slashes)
        c = c == '\\' ? '/' : c;
    CHECK(Run(host, wipe, slashes + "/", trees.src + "\\out") == 0);
    CHECK(Run(host, wipe, trees.dst + "\\in\\", slashes.substr(0, slashes.size() - 3) + "dst/") == 0);
    CHECK(ReadWholeFile(trees.dst + "\\in\\b.txt") == "b");

    // Wine's Z: reaches the same folders as C:; only identity tells.
    std::string zSource = ZSpelling(trees.src);
    REQUIRE(zSource.size() > 3);
    REQUIRE(IsFolderPath(zSource));
    CHECK(Run(host, wipe, zSource, trees.src + "\\z out") == 0);
    CHECK(Run(host, wipe, ZSpelling(trees.dst) + "\\in", trees.dst) == 0);
    CHECK(ReadWholeFile(trees.dst + "\\in\\b.txt") == "b");

    // A link is another spelling too.
    TestLink alias(trees.src, trees.temp / "alias");
    REQUIRE(alias.Made());
    CHECK(Run(host, wipe, trees.src, trees.temp / "alias\\out") == 0);
    CHECK(Has(boxes, nestedText));
    CHECK_FALSE(PathExists(trees.src + "\\out"));

    CHECK(host.rows.empty());
    CHECK(Names(trees.src) == std::vector<std::string>{"a.txt"});
    CHECK(boxes.boxes.size() == 12);

    // Side by side is fine, also through Z:.
    CHECK(Run(host, wipe, zSource, trees.dst) == 1);
    CHECK(ReadWholeFile(trees.dst + "\\a.txt") == "a");
}

TEST_CASE("only full paths are accepted")
{
    SyncTrees trees;
    BoxRecorder boxes;
    MakeFile(trees.src + "\\a.txt", "a");
    ScriptedHost host;
    for (const char* relative : {"src", "..\\src", "\\src", "C:src"}) {
        CHECK(Run(host, Options(1, 0, 1, 0), relative, trees.dst) == 0);
        CHECK(boxes.LastText() == "'" + std::string(relative) +
                                      "' is not a full path. Give the folder with its drive (D:\\folder) or as a "
                                      "network path (\\\\server\\share\\folder).");
        CHECK(Run(host, Options(1, 0, 1, 0), trees.src, relative) == 0);
    }
    CHECK(Names(trees.dst).empty());
    CHECK(boxes.boxes.size() == 8);
    {
        FlagScope japanese(EJapanese, 1);
        CHECK(Run(host, Options(1, 0, 1, 0), "src", trees.dst) == 0);
    }
    CHECK(boxes.LastText().rfind("'src' \x82\xCD\x8A\xAE\x91\x53\x82\xC8", 0) == 0);  // は完全な
}

TEST_CASE("a path that would outgrow 260 bytes stops the run with a message")
{
    SyncTrees trees;
    BoxRecorder boxes;
    std::string a(90, 'a');
    std::string b(90, 'b');
    MakeFile(trees.src + "\\" + a + "\\" + b + "\\f.txt", "f");
    std::string longDestination = trees.temp / std::string(70, 'd');
    ScriptedHost host;
    CHECK(Run(host, Options(0, 0, 1, 0), trees.src, longDestination) == 0);
    CHECK(boxes.LastText() == "A path in the folder '" + longDestination + "\\" + a +
                                  "' is longer than 259 characters. The run was stopped.");
    CHECK(host.rows.empty());

    // Trees deeper than the limit, made from Linux, on either side.
    std::string deep = "/" + std::string(100, 'x') + "/" + std::string(100, 'y') + "/" + std::string(100, 'z');
    MakeFolder(trees.temp / "deep src");
    REQUIRE(RunUnixShell("mkdir -p '" + UnixPath(trees.temp / "deep src") + deep + "' && touch '" +
                         UnixPath(trees.temp / "deep src") + deep + "/f'"));
    CHECK(Run(host, Options(0, 0, 1, 0), trees.temp / "deep src", trees.temp / "deep dst") == 0);
    CHECK(Has(boxes, "is longer than 259 characters"));

    MakeFolder(trees.temp / "deep dst\\" + std::string(100, 'x'));
    REQUIRE(RunUnixShell("mkdir -p '" + UnixPath(trees.temp / "deep dst") + "/orphan" + deep + "'"));
    ScriptedHost prune;
    CHECK(Run(prune, Options(1, 0, 1, 0), trees.temp / "empty src", trees.temp / "deep dst") == 0);
    CHECK(Has(boxes, "is longer than 259 characters"));
    REQUIRE(RunUnixShell("rm -rf '" + UnixPath(trees.temp / "deep src") + "' '" + UnixPath(trees.temp / "deep dst") +
                         "'"));
}

TEST_CASE("Japanese names whose trail byte is a backslash stay whole names")
{
    REQUIRE(GetACP() == 932);
    FlagScope doubleByte(EDoubleByte, 1);
    SyncTrees trees;
    BoxRecorder boxes;
    // 表 (95 5C) and ソ (83 5C).
    MakeFile(trees.src + "\\表\\ソ.txt", "so");
    MakeFile(trees.src + "\\表\\ソ\\表.txt", "hyou");
    MakeFile(trees.dst + "\\ソ表\\x.txt", "orphan");
    ScriptedHost host;
    CHECK(Run(host, Options(1, 0, 1, 0), trees.src, trees.dst) == 1);
    CHECK(Names(trees.dst) == std::vector<std::string>{"\x95\x5C"});
    CHECK(Names(trees.dst + "\\\x95\x5C") == std::vector<std::string>{"\x83\x5C", "\x83\x5C.txt"});
    CHECK(ReadWholeFile(trees.dst + "\\表\\ソ\\表.txt") == "hyou");
    CHECK(Contains(host.rows, "rmdir " + trees.dst + "\\ソ表"));
    CHECK(ReadWholeFile(trees.src + "\\表\\ソ.txt") == "so");
    CHECK(boxes.boxes.empty());
}

TEST_CASE("links: never written through, never descended into for removal, never looped through")
{
    SyncTrees trees;
    BoxRecorder boxes;
    MakeFile(trees.temp / "outside\\precious.txt", "p");
    ScriptedHost host;

    SUBCASE("a link inside the destination is not written through")
    {
        MakeFile(trees.src + "\\sub\\f.txt", "f");
        TestLink link(trees.temp / "outside", trees.dst + "\\sub");
        REQUIRE(link.Made());
        CHECK(Run(host, Options(1, 0, 1, 0), trees.src, trees.dst) == 0);
        CHECK(boxes.LastText() == "'" + trees.dst +
                                      "\\sub' is a link to another folder. Nothing is written through it; the run "
                                      "was stopped.");
        CHECK(Names(trees.temp / "outside") == std::vector<std::string>{"precious.txt"});
        CHECK(ReadWholeFile(trees.temp / "outside\\precious.txt") == "p");
    }
    SUBCASE("an orphan link is removed alone, or kept where that is not safe")
    {
        TestLink link(trees.temp / "outside", trees.dst + "\\link");
        REQUIRE(link.Made());
        int result = Run(host, Options(1, 0, 1, 0), trees.src, trees.dst);
        CHECK(result == CanRemoveLinkItself((trees.dst + "\\link").c_str()));
        CHECK(host.rows == std::vector<std::string>{"rmdir " + trees.dst + "\\link"});
        CHECK(ReadWholeFile(trees.temp / "outside\\precious.txt") == "p");
    }
    SUBCASE("a link whose source counterpart exists is not descended by the delete pass")
    {
        MakeFolder(trees.src + "\\link");
        TestLink link(trees.temp / "outside", trees.dst + "\\link");
        REQUIRE(link.Made());
        SyncOptions options = Options(1, 0, 1, 0);
        SyncRun run(host, options);
        run.SetConfirm(0);
        CHECK(run.PruneTree(trees.src.c_str(), trees.dst.c_str()) == 1);
        CHECK(ReadWholeFile(trees.temp / "outside\\precious.txt") == "p");
        CHECK(host.rows.empty());
    }
    SUBCASE("a source link back to its own parent stops the run")
    {
        MakeFile(trees.src + "\\sub\\f.txt", "f");
        TestLink loop(trees.src, trees.src + "\\sub\\loop");
        REQUIRE(loop.Made());
        CHECK(Run(host, Options(0, 0, 1, 0), trees.src, trees.dst) == 0);
        CHECK(boxes.LastText() == "'" + trees.src +
                                      "\\sub\\loop' is a link to a folder that holds it or the destination. The run "
                                      "was stopped.");
        CHECK_FALSE(PathExists(trees.dst + "\\sub\\loop"));
    }
    SUBCASE("a source link around the destination stops the run")
    {
        TestLink around(trees.temp.Path(), trees.src + "\\up");
        REQUIRE(around.Made());
        CHECK(Run(host, Options(0, 0, 1, 0), trees.src, trees.dst) == 0);
        CHECK(Has(boxes, "is a link to a folder that holds it or the destination"));
    }
    SUBCASE("a source link elsewhere is copied as a folder")
    {
        TestLink elsewhere(trees.temp / "outside", trees.src + "\\ext");
        REQUIRE(elsewhere.Made());
        CHECK(Run(host, Options(1, 0, 1, 0), trees.src, trees.dst) == 1);
        CHECK(ReadWholeFile(trees.dst + "\\ext\\precious.txt") == "p");
        CHECK((FileAttributes(trees.dst + "\\ext") & FILE_ATTRIBUTE_REPARSE_POINT) == 0);
    }
}

TEST_CASE("a replace that fills the disk keeps the old destination, which then never looks up to date")
{
    SyncTrees trees;
    BoxRecorder boxes;
    std::string disk = trees.temp / "disk";
    MakeFolder(disk);
    SmallDisk small(disk, "1m");
    REQUIRE(small.Mounted());
    MakeFile(trees.src + "\\big.bin", std::string(3 * 1024 * 1024, 'b'), TicksOf(2022, 1, 1));
    MakeFile(disk + "\\big.bin", "the good one", TicksOf(2021, 1, 1));
    ScriptedHost host;
    CHECK(Run(host, Options(1, 0, 1, 0), trees.src, disk) == 0);
    CHECK(boxes.LastText() == "The disk is full");
    CHECK(ReadWholeFile(disk + "\\big.bin") == "the good one");
    CHECK(WriteTicks(disk + "\\big.bin") == TicksOf(2021, 1, 1));
    CHECK(Names(disk) == std::vector<std::string>{"big.bin"});

    // The next run tries again; an UP run copies nothing back.
    ScriptedHost again;
    CHECK(Run(again, Options(0, 0, 1, 0), trees.src, disk) == 0);
    CHECK(again.rows.size() == 1);
    ScriptedHost up;
    CHECK(Run(up, Options(0, 0, 1, 0), disk, trees.src) == 1);
    CHECK(up.rows.empty());
    CHECK(ReadWholeFile(trees.src + "\\big.bin").size() == 3u * 1024 * 1024);
}

TEST_CASE("a source folder that cannot be listed stops either pass instead of counting as empty")
{
    SyncTrees trees;
    BoxRecorder boxes;
    MakeFile(trees.src + "\\locked\\f.txt", "f");
    MakeFile(trees.dst + "\\locked\\f.txt", "f");
    MakeFile(trees.dst + "\\locked\\g.txt", "only here");
    LockedPath lock(trees.src + "\\locked");
    REQUIRE(lock.Held());
    // Listing it fails with a sharing violation, as for a folder the user may
    // not read.
    std::string expected = "Can't read the folder '" + trees.src + "\\locked' (error 32). The run was stopped.";

    ScriptedHost update;
    CHECK(Run(update, Options(1, 0, 1, 0), trees.src, trees.dst) == 0);
    CHECK(boxes.LastText() == expected);

    ScriptedHost prune;
    SyncOptions options = Options(1, 0, 1, 0);
    SyncRun run(prune, options);
    run.SetConfirm(0);
    CHECK(run.PruneTree(trees.src.c_str(), trees.dst.c_str()) == 0);
    CHECK(boxes.LastText() == expected);
    CHECK(Names(trees.dst + "\\locked") == std::vector<std::string>{"f.txt", "g.txt"});
    CHECK(prune.rows.empty());
}

TEST_CASE("names differing only in the case of a non-ASCII letter are one file")
{
    REQUIRE(GetACP() == 1252);
    SyncTrees trees;
    BoxRecorder boxes;
    // été.txt in the source, Été.txt in the destination.
    MakeFile(trees.src + "\\\xE9t\xE9.txt", "new", TicksOf(2022, 1, 1));
    MakeFile(trees.dst + "\\\xC9t\xE9.txt", "old", TicksOf(2021, 1, 1));
    MakeFile(trees.src + "\\\xE9l\xE8ve.txt", "src", TicksOf(2021, 1, 1));
    MakeFile(trees.dst + "\\\xC9L\xC8VE.txt", "newer", TicksOf(2022, 1, 1));
    ScriptedHost host;
    CHECK(Run(host, Options(1, 0, 1, 0), trees.src, trees.dst) == 1);
    std::vector<std::string> names = Names(trees.dst);
    REQUIRE(names.size() == 2);
    CHECK(ReadWholeFile(trees.dst + "\\" + names[0]) + ReadWholeFile(trees.dst + "\\" + names[1]) == "newernew");
    CHECK(host.rows.size() == 1);
    CHECK(boxes.boxes.empty());
}

TEST_CASE("a name the code page cannot show stops the run instead of acting on '?'")
{
    REQUIRE(GetACP() == 1252);
    SyncTrees trees;
    BoxRecorder boxes;
    REQUIRE(MakeFileW(Wide(trees.src) + L"\\\u03A9.txt"));
    MakeFile(trees.src + "\\a.txt", "a");
    ScriptedHost host;
    CHECK(Run(host, Options(0, 0, 1, 0), trees.src, trees.dst) == 0);
    CHECK(boxes.LastText() == "The folder '" + trees.src +
                                  "' holds a name that the system's code page cannot show. The run was stopped.");
    CHECK_FALSE(PathExists(trees.dst + "\\?.txt"));

    // In the destination, the delete pass leaves it and stops.
    REQUIRE(MakeFileW(Wide(trees.dst) + L"\\\u03A9.txt"));
    SyncOptions options = Options(1, 0, 1, 0);
    SyncRun run(host, options);
    run.SetConfirm(0);
    CHECK(run.PruneTree(trees.src.c_str(), trees.dst.c_str()) == 0);
    CHECK(GetFileAttributesW((Wide(trees.dst) + L"\\\u03A9.txt").c_str()) != INVALID_FILE_ATTRIBUTES);
    // The folder's own clean-up goes by ANSI names and cannot reach these.
    DeleteFileW((Wide(trees.dst) + L"\\\u03A9.txt").c_str());
    DeleteFileW((Wide(trees.src) + L"\\\u03A9.txt").c_str());
}
