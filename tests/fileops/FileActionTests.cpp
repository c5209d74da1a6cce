#include "BoxRecorder.h"
#include "BoxErrors.h"
#include "EFlags.h"
#include "FileActions.h"
#include "FileQueries.h"
#include "FileTrees.h"
#include "FolderIdentity.h"
#include "WidePath.h"

#include "FlagScope.h"
#include "LockedPath.h"
#include "TempFolder.h"
#include "TestProcess.h"
#include "TreeBuilder.h"

#include <doctest/doctest.h>

#include <windows.h>

#include <functional>
#include <string>

namespace {

std::wstring W(const std::string& path) { return Widen(path.c_str()); }

// Errors go to the error box, where a BoxRecorder reads them.
BoxErrors errors(nullptr);

}

TEST_CASE("message boxes carry the caption and buttons of their kind in both languages")
{
    BoxRecorder boxes;
    ErrorBox(nullptr, "Error CopyFile %d", 5);
    WarningBox(nullptr, "w");
    FatalBox(nullptr, "Can't find dialog template '%s'", "X_E");
    CHECK(ConfirmationBox(nullptr, "c") == IDOK);
    // Caption, style (MB_ICONHAND 0x10; OK/Cancel with the exclamation 0x31)
    // and text of each.
    std::string shown;
    for (const BoxRecorder::Box& box : boxes.boxes)
        shown += box.caption + " " + std::to_string(box.style) + " " + box.text + "\n";
    CHECK(shown == "Error 16 Error CopyFile 5\nWarning 16 w\nFatal 16 Can't find dialog template 'X_E'\n"
                   "Confirmation 49 c\n");
    // The Japanese captions come from the same table: one read back.
    FlagScope japanese(EJapanese, 1);
    FatalBox(nullptr, "f");
    CHECK(boxes.LastText() == "f");
    CHECK(boxes.boxes.back().caption == "\x92\x76\x96\xBD\x93\x49\x82\xC8\xB4\xD7\xB0");  // 致命的なｴﾗｰ
}

TEST_CASE("a text longer than the box buffer is cut, never overrun")
{
    BoxRecorder boxes;
    std::string longPath(700, 'p');
    ErrorBox(nullptr, "%s is in use", longPath.c_str());
    REQUIRE(boxes.boxes.size() == 1);
    CHECK(boxes.LastText() == std::string(EMessageTextSize - 1, 'p'));

    // A cut that would split a double-byte character drops its lead byte.
    FlagScope japanese(EJapanese, 1);
    FlagScope doubleByte(EDoubleByte, 1);
    std::string kanji;
    for (int i = 0; i < 400; ++i)
        kanji += "\x95\x5C";
    ErrorBox(nullptr, "%s", kanji.c_str());
    std::string text = boxes.LastText();
    CHECK(text.size() == EMessageTextSize - 2);
    CHECK(static_cast<unsigned char>(text.back()) == 0x5C);
}

TEST_CASE("file actions report each failure in its own words or by its number")
{
    TempFolder temp;
    BoxRecorder boxes;
    std::string held = temp / "in use.txt", full = temp / "full", orphan = temp / "no\\such";
    MakeFile(held, "data");
    MakeFile(full + "\\x.txt", "x");
    MakeFile(temp / "old.txt", "old");
    LockedPath lock(held);
    REQUIRE(lock.Held());
    struct Row {
        const char* name;
        std::function<int()> action;
        std::string text;
    } rows[] = {
        {"copy of a held file", [&] { return CopyFileWithReport(errors, W(held), W(temp / "copy.txt"), FALSE); },
         held + " is in use"},
        // A code without a text shows its number.
        {"copy of a missing file", [&] { return CopyFileWithReport(errors, W(temp / "missing"), W(temp / "copy.txt"), FALSE); },
         "Error CopyFile 2"},
        {"copy onto a file kept", [&] { return CopyFileWithReport(errors, W(full + "\\x.txt"), W(temp / "old.txt"), TRUE); },
         "Error CopyFile 80"},
        {"folder in a missing one", [&] { return CreateFolderWithReport(errors, W(orphan)); },
         "Can't find the path specified. '" + orphan + "'"},
        {"removal of a full folder", [&] { return RemoveFolderWithReport(errors, W(full)); }, "Folder not empty"},
        {"deletion of a held file", [&] { return DeleteFileWithReport(errors, W(held)); }, "Error DeleteFile 32"},
        {"attributes of a missing file",
         [&] { return SetAttributesWithReport(errors, W(temp / "none"), FILE_ATTRIBUTE_NORMAL); },
         "Error SetFileAttribute 2"},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.name));
        CHECK(row.action() == 0);
        CHECK(boxes.LastText() == row.text);
        CHECK(boxes.boxes.back().caption == "Error");
    }
    CHECK(ReadWholeFile(temp / "old.txt") == "old");
    CHECK(FolderNames(temp.Path()) == std::vector<std::string>{"full", "in use.txt", "old.txt"});
    CHECK(FolderNames(full) == std::vector<std::string>{"x.txt"});
}

TEST_CASE("a copy onto a full disk keeps the old file and leaves nothing half-written (needs root)")
{
    TempFolder temp;
    BoxRecorder boxes;
    std::string disk = temp / "disk";
    MakeFolder(disk);
    SmallDisk small(disk, "1m");
    REQUIRE(small.Mounted());
    std::string big = temp / "big.bin";
    MakeFile(big, std::string(3 * 1024 * 1024, 'n'), TicksOf(2021, 6, 1));
    std::string old = disk + "\\big.bin";
    MakeFile(old, "the good old copy", TicksOf(2020, 6, 1));
    CHECK(CopyFileWithReport(errors, W(big), W(old), FALSE) == 0);
    CHECK(boxes.LastText() == "The disk is full");
    CHECK(ReadWholeFile(old) == "the good old copy");
    CHECK(WriteTicks(old) == TicksOf(2020, 6, 1));
    // A new file cut short is removed rather than left looking up to date.
    CHECK(CopyFileWithReport(errors, W(big), W(disk + "\\fresh.bin"), FALSE) == 0);
    CHECK(FolderNames(disk) == std::vector<std::string>{"big.bin"});
}

TEST_CASE("deleting trees: hidden and read-only files go, recycle folders stay, links are not followed")
{
    TempFolder temp;
    BoxRecorder boxes;
    MakeFile(temp / "t\\ro.txt", "r");
    MakeFile(temp / "t\\sub\\hidden.txt", "h");
    SetFileAttributesA((temp / "t\\ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA((temp / "t\\sub\\hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    OperationCounts counts;
    CHECK(DeleteTree(errors, W(temp / "t"), &counts) == 1);
    CHECK_FALSE(PathExists(temp / "t"));
    CHECK(counts.deleted == 2);
    CHECK(counts.removedFolders == 2);

    MakeFile(temp / "r\\keep\\RECYCLED\\x.txt", "x");
    MakeFile(temp / "r\\gone.txt", "g");
    CHECK(DeleteTree(errors, W(temp / "r")) == 0);
    CHECK(boxes.LastText() == "Folder not empty");
    CHECK_FALSE(PathExists(temp / "r\\gone.txt"));
    CHECK(PathExists(temp / "r\\keep\\RECYCLED\\x.txt"));

    // Links to a full and to an empty folder outside the tree: neither
    // target may lose anything. Where removing a link would remove its
    // target instead (Wine), the link stays and the removal stops.
    MakeFile(temp / "outside\\precious.txt", "p");
    MakeFolder(temp / "empty outside");
    MakeFolder(temp / "l");
    TestLink link(temp / "outside", temp / "l\\link");
    TestLink link2(temp / "empty outside", temp / "l\\link2");
    REQUIRE((link.Made() && link2.Made()));
    int removable = CanRemoveLinkItself(W(temp / "l\\link"));
    CHECK(DeleteTree(errors, W(temp / "l")) == removable);
    if (!removable)
        CHECK(boxes.LastText().find("is a link to another folder. It was left in place") != std::string::npos);
    CHECK(ReadWholeFile(temp / "outside\\precious.txt") == "p");
    CHECK(IsFolderPath(temp / "empty outside"));
    CHECK(DeleteTree(errors, W(temp / "l\\link2")) == removable);
    CHECK(IsFolderPath(temp / "empty outside"));
}
