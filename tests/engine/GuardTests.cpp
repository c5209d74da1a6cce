// Each case builds a tree that would lose or corrupt data without its guard.

#include "EFlags.h"
#include "FolderIdentity.h"
#include "SyncTrees.h"

#include "FlagScope.h"
#include "LockedPath.h"

#include <doctest/doctest.h>

namespace {

// The same folder spelled through Wine's Z: drive, which reaches the whole
// Linux tree.
std::string ZSpelling(const std::string& path)
{
    std::string unix = UnixPath(path);
    std::replace(unix.begin(), unix.end(), '/', '\\');
    return "Z:" + unix;
}

}

TEST_CASE_FIXTURE(SyncTrees, "a set's folders: relative or nested ones are refused however spelled, the long form taken as it is")
{
    MakeFile(src + "\\a.txt", "a");
    MakeFile(dst + "\\keep.txt", "k");
    MakeFile(dst + "\\in\\b.txt", "b");
    MakeFile(temp / "backup\\a.txt", "the look-alike's own", T - 10 * S);
    std::string upper = src, slashes = src;
    CharUpperA(&upper[0]);
    std::replace(slashes.begin(), slashes.end(), '\\', '/');
    // Wine's Z: reaches the same folders as C:; only identity tells. A link
    // is another spelling too.
    std::string zSource = ZSpelling(src);
    REQUIRE(IsFolderPath(zSource));
    TestLink alias(src, temp / "alias");
    TestLink into(dst + "\\in", temp / "into");
    REQUIRE((alias.Made() && into.Made()));
    const std::string nested = "are the same folder, or one lies inside the other. Nothing was changed.";
    const std::string relative = "' is not a full path. Give the folder with its drive (D:\\folder) or as a network "
                                 "path (\\\\server\\share\\folder).";
    struct Row {
        std::string source, destination;
        std::string box;  // empty: the run goes ahead
    } rows[] = {
        {src, src + "\\out", nested},
        // The source inside the destination: the delete pass would remove it.
        {dst + "\\in", dst, nested},
        {src, src + "\\", nested},
        {src, temp / "src\\..\\src\\deeper\\out", nested},
        {upper, src + "/out", nested},
        {src, src + "\\.\\out", nested},
        {src, src + "\\\\out", nested},
        {slashes + "/", src + "\\out", nested},
        {dst + "\\in\\", slashes.substr(0, slashes.size() - 3) + "dst/", nested},
        {"\\\\?\\" + dst + "\\in", dst, nested},
        {"\\\\.\\" + src, "\\\\?\\" + upper + "\\out", nested},
        {zSource, src + "\\z out", nested},
        {ZSpelling(dst) + "\\in", dst, nested},
        {src, temp / "alias\\out", nested},
        {temp / "into", dst, nested},
        {dst, temp / "into", nested},
        {"src", dst, "'src" + relative},
        {src, "..\\src", "'..\\src" + relative},
        {"\\src", dst, "'\\src" + relative},
        {src, "C:src", "'C:src" + relative},
        // The long form keeps a trailing dot and never reaches the look-alike.
        {src, "\\\\?\\" + temp / "backup.", ""},
        // Side by side is fine, also through Z:.
        {zSource, dst, ""},
    };
    for (const Row& row : rows) {
        CAPTURE(row.source);
        CAPTURE(row.destination);
        boxes.boxes.clear();
        CHECK(Run(host, Options(1, 0, 1, 0), row.source, row.destination) == row.box.empty());
        CHECK(boxes.boxes.size() == (row.box.empty() ? 0u : 1u));
        CHECK(boxes.LastText().find(row.box) != std::string::npos);
        CHECK(FolderNames(src) == std::vector<std::string>{"a.txt"});
        // Refused before anything was touched.
        if (!row.box.empty())
            CHECK((host.rows.empty() && ReadWholeFile(dst + "\\in\\b.txt") == "b"));
    }
    CHECK(ReadWholeFileW(LongForm(temp / "backup.") + L"\\a.txt") == "a");
    CHECK(ReadWholeFile(temp / "backup\\a.txt") == "the look-alike's own");
    CHECK(ReadWholeFile(dst + "\\a.txt") == "a");
    FlagScope japanese(EJapanese, 1);
    CHECK(Run(host, Options(1, 0, 1, 0), "src", dst) == 0);
    CHECK(boxes.LastText().rfind("'src' \x82\xCD\x8A\xAE\x91\x53\x82\xC8", 0) == 0);  // は完全な
}

TEST_CASE_FIXTURE(SyncTrees, "Japanese names whose trail byte is a backslash stay whole names")
{
    REQUIRE(GetACP() == 932);
    FlagScope doubleByte(EDoubleByte, 1);
    // 表 (95 5C) and ソ (83 5C).
    MakeFile(src + "\\表\\ソ.txt", "so");
    MakeFile(src + "\\表\\ソ\\表.txt", "hyou");
    MakeFile(dst + "\\ソ表\\x.txt", "orphan");
    CHECK(Run(host, Options(1, 0, 1, 0), src, dst) == 1);
    CHECK(FolderNames(dst) == std::vector<std::string>{"\x95\x5C"});
    CHECK(FolderNames(dst + "\\\x95\x5C") == std::vector<std::string>{"\x83\x5C", "\x83\x5C.txt"});
    CHECK(ReadWholeFile(dst + "\\表\\ソ\\表.txt") == "hyou");
    CHECK(Contains(host.rows, "rmdir " + dst + "\\ソ表"));
    CHECK(ReadWholeFile(src + "\\表\\ソ.txt") == "so");
    CHECK(boxes.boxes.empty());
}

TEST_CASE_FIXTURE(SyncTrees, "links: never descended into for removal, never looped through")
{
    MakeFile(temp / "outside\\precious.txt", "p");

    SUBCASE("an orphan link is removed alone, or kept where that is not safe")
    {
        TestLink link(temp / "outside", dst + "\\link");
        REQUIRE(link.Made());
        // For an empty source, the deletion guard asks first.
        host.answers = {IDYES};
        int result = Run(host, Options(1, 0, 1, 0), src, dst);
        CHECK(result == CanRemoveLinkItself(Widen((dst + "\\link").c_str())));
        CHECK(host.rows == std::vector<std::string>{"rmdir " + dst + "\\link"});
        CHECK(ReadWholeFile(temp / "outside\\precious.txt") == "p");
    }
    SUBCASE("a link whose source counterpart exists is not descended by the delete pass")
    {
        MakeFolder(src + "\\link");
        TestLink link(temp / "outside", dst + "\\link");
        REQUIRE(link.Made());
        CHECK(Prune(host, src, dst) == 1);
        CHECK(ReadWholeFile(temp / "outside\\precious.txt") == "p");
        CHECK(host.rows.empty());
    }
    SUBCASE("a source link back to its own parent or around the destination stops the run")
    {
        MakeFile(src + "\\sub\\f.txt", "f");
        std::string path = src + "\\sub\\link";
        for (const std::string& target : {src, temp.Path()}) {
            TestLink loop(target, path);
            REQUIRE(loop.Made());
            CHECK(Run(host, Options(0, 0, 1, 0), src, dst) == 0);
            CHECK(boxes.LastText() ==
                  "'" + path + "' is a link to a folder that holds it or the destination. The run was stopped.");
            CHECK_FALSE(PathExists(dst + "\\sub\\link"));
        }
    }
    SUBCASE("a source link elsewhere is copied as a folder")
    {
        TestLink elsewhere(temp / "outside", src + "\\ext");
        REQUIRE(elsewhere.Made());
        CHECK(Run(host, Options(1, 0, 1, 0), src, dst) == 1);
        CHECK(ReadWholeFile(dst + "\\ext\\precious.txt") == "p");
        CHECK((FileAttributes(dst + "\\ext") & FILE_ATTRIBUTE_REPARSE_POINT) == 0);
    }
}

TEST_CASE_FIXTURE(SyncTrees, "a replace that fills the disk keeps the old destination, which then never looks up to date (needs root)")
{
    SmallDisk small(dst, "1m");
    REQUIRE(small.Mounted());
    MakeFile(src + "\\big.bin", std::string(3 * 1024 * 1024, 'b'), TicksOf(2022, 1, 1));
    MakeFile(dst + "\\big.bin", "the good one", TicksOf(2021, 1, 1));
    CHECK(Run(host, Options(1, 0, 1, 0), src, dst) == 0);
    CHECK(boxes.LastText() == "The disk is full");
    CHECK(ReadWholeFile(dst + "\\big.bin") == "the good one");
    // Its old time, so that the next run tries again and an UP run copies
    // nothing back.
    CHECK(WriteTicks(dst + "\\big.bin") == TicksOf(2021, 1, 1));
    CHECK(FolderNames(dst) == std::vector<std::string>{"big.bin"});
}

TEST_CASE_FIXTURE(SyncTrees, "a source folder that cannot be listed stops either pass instead of counting as empty")
{
    MakeFile(src + "\\locked\\f.txt", "f");
    MakeFile(dst + "\\locked\\f.txt", "f");
    MakeFile(dst + "\\locked\\g.txt", "only here");
    LockedPath lock(src + "\\locked");
    REQUIRE(lock.Held());
    // Listing it fails with a sharing violation, as for a folder the user may
    // not read.
    std::string expected = "Can't read the folder '" + src + "\\locked' (error 32). The run was stopped.";

    CHECK(Run(host, Options(1, 0, 1, 0), src, dst) == 0);
    CHECK(boxes.LastText() == expected);
    CHECK(Prune(host, src, dst) == 0);
    CHECK(boxes.boxes.size() == 2);
    CHECK(boxes.LastText() == expected);
    CHECK(FolderNames(dst + "\\locked") == std::vector<std::string>{"f.txt", "g.txt"});
    CHECK(host.rows.empty());
}

TEST_CASE_FIXTURE(SyncTrees, "names differing only in the case of a non-ASCII letter are one file")
{
    REQUIRE(GetACP() == 1252);
    // été.txt in the source, Été.txt in the destination.
    MakeFile(src + "\\\xE9t\xE9.txt", "new", TicksOf(2022, 1, 1));
    MakeFile(dst + "\\\xC9t\xE9.txt", "old", TicksOf(2021, 1, 1));
    MakeFile(src + "\\\xE9l\xE8ve.txt", "src", TicksOf(2021, 1, 1));
    MakeFile(dst + "\\\xC9L\xC8VE.txt", "newer", TicksOf(2022, 1, 1));
    CHECK(Run(host, Options(1, 0, 1, 0), src, dst) == 1);
    std::vector<std::string> names = FolderNames(dst);
    REQUIRE(names.size() == 2);
    CHECK(ReadWholeFile(dst + "\\" + names[0]) + ReadWholeFile(dst + "\\" + names[1]) == "newernew");
    CHECK(host.rows.size() == 2);
    CHECK(boxes.boxes.empty());
    // Beyond the first plane the file system folds nothing: two names.
    REQUIRE(MakeFileW(LongForm(src) + L"\\\U00010428.txt", "src", TicksOf(2021, 1, 1)));
    REQUIRE(MakeFileW(LongForm(dst) + L"\\\U00010400.txt", "orphan", TicksOf(2022, 1, 1)));
    CHECK(Run(host, Options(1, 0, 1, 0), src, dst) == 1);
    CHECK(ReadWholeFileW(LongForm(dst) + L"\\\U00010428.txt") == "src");
    CHECK(FolderNames(dst).size() == 3);
}
