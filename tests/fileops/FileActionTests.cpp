#include "BoxRecorder.h"
#include "EApplication.h"
#include "EFlags.h"
#include "BoxErrors.h"
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

#include <string>

namespace {

int EntriesIn(const std::string& folder)
{
    int count = 0;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    do {
        std::string name = data.cFileName;
        count += (name != "." && name != "..") ? 1 : 0;
    } while (FindNextFileA(search, &data));
    FindClose(search);
    return count;
}

std::wstring W(const std::string& path)
{
    return Widen(path.c_str());
}

// Errors go to the error box, where a BoxRecorder reads them.
BoxErrors errors(nullptr);

}

TEST_CASE("queries read attributes and times without reporting")
{
    TempFolder temp;
    BoxRecorder boxes;
    MakeFile(temp / "a.txt", "a", TicksOf(2020, 1, 2));
    SetFileAttributesA((temp / "a.txt").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM);
    CHECK(FileExists((temp / "a.txt").c_str()) == 1);
    CHECK(IsDirectory((temp / "a.txt").c_str()) == 0);
    CHECK(IsDirectory(temp.Path().c_str()) == 1);
    CHECK(IsReadOnlyFile((temp / "a.txt").c_str()) == 1);
    CHECK(IsSystemFile((temp / "a.txt").c_str()) == 1);
    CHECK(FileExists((temp / "none").c_str()) == 0);
    CHECK(IsReadOnlyFile((temp / "none").c_str()) == 0);
    FILETIME time = {1, 2};
    CHECK(GetLastWriteTime((temp / "a.txt").c_str(), &time) == 1);
    CHECK(FileTimeTicks(time) == TicksOf(2020, 1, 2));
    FILETIME untouched = {7, 7};
    CHECK(GetLastWriteTime((temp / "none").c_str(), &untouched) == 0);
    CHECK(untouched.dwLowDateTime == 7);
    SetFileAttributesA((temp / "a.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    CHECK(boxes.boxes.empty());
}

TEST_CASE("copy failures are reported in their own words in both languages")
{
    TempFolder temp;
    BoxRecorder boxes;
    std::string source = temp / "in use.txt";
    MakeFile(source, "data");
    {
        LockedPath lock(source);
        REQUIRE(lock.Held());
        CHECK(CopyFileWithReport(errors, W(source), W(temp / "copy.txt"), FALSE) == 0);
        CHECK(boxes.LastText() == source + " is in use");
        FlagScope japanese(EJapanese, 1);
        CHECK(CopyFileWithReport(errors, W(source), W(temp / "copy.txt"), FALSE) == 0);
        CHECK(boxes.LastText() == source + " \x82\xCD\x8E\x67\x97\x70\x92\x86\x82\xC5\x82\xB7");
        CHECK(boxes.boxes.back().caption == "\xB4\xD7\xB0");
    }
    CHECK_FALSE(PathExists(temp / "copy.txt"));

    // An unlisted code shows its number, in English under both captions.
    CHECK(CopyFileWithReport(errors, W(temp / "missing"), W(temp / "copy.txt"), FALSE) == 0);
    CHECK(boxes.LastText() == "Error CopyFile 2");
    FlagScope japanese(EJapanese, 1);
    CHECK(CopyFileWithReport(errors, W(temp / "missing"), W(temp / "copy.txt"), FALSE) == 0);
    CHECK(boxes.LastText() == "Error CopyFile 2");
}

TEST_CASE("a copy onto a full disk keeps the old file and leaves nothing half-written")
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
    CHECK(EntriesIn(disk) == 1);

    // A new file cut short is removed rather than left looking up to date.
    std::string fresh = disk + "\\fresh.bin";
    FlagScope japanese(EJapanese, 1);
    CHECK(CopyFileWithReport(errors, W(big), W(fresh), FALSE) == 0);
    CHECK(boxes.LastText() == "\xC3\xDE\xA8\xBD\xB8\x82\xAA\x82\xA2\x82\xC1\x82\xCF\x82\xA2\x82\xC5\x82\xB7");
    CHECK_FALSE(PathExists(fresh));
    CHECK(EntriesIn(disk) == 1);
}

TEST_CASE("a replacing copy carries data, time and attributes and leaves no temporary file")
{
    TempFolder temp;
    BoxRecorder boxes;
    MakeFile(temp / "src\\a.txt", "new", TicksOf(2022, 3, 3));
    SetFileAttributesA((temp / "src\\a.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    MakeFile(temp / "dst\\a.txt", "old", TicksOf(2021, 3, 3));
    CHECK(CopyFileWithReport(errors, W(temp / "src\\a.txt"), W(temp / "dst\\a.txt"), FALSE) == 1);
    CHECK(ReadWholeFile(temp / "dst\\a.txt") == "new");
    CHECK(WriteTicks(temp / "dst\\a.txt") == TicksOf(2022, 3, 3));
    CHECK((FileAttributes(temp / "dst\\a.txt") & FILE_ATTRIBUTE_READONLY) != 0);
    CHECK(EntriesIn(temp / "dst") == 1);
    CHECK(CopyFileWithReport(errors, W(temp / "src\\a.txt"), W(temp / "dst\\a.txt"), TRUE) == 0);
    CHECK(boxes.LastText() == "Error CopyFile 80");
    SetFileAttributesA((temp / "src\\a.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesA((temp / "dst\\a.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_CASE("folders are created level by level, and failures name their cause")
{
    TempFolder temp;
    BoxRecorder boxes;
    OperationCounts counts;
    std::string deep = temp / "a\\b\\c";
    CHECK(CreatePath(errors, W(deep), &counts) == 1);
    CHECK(IsFolderPath(deep));
    CHECK(counts.createdFolders == 3);
    CHECK(CreatePath(errors, W(deep), &counts) == 1);
    CHECK(counts.createdFolders == 3);
    CHECK(CreatePath(errors, W(temp / "t\\u\\")) == 1);
    CHECK(IsFolderPath(temp / "t\\u"));

    MakeFile(temp / "file.txt", "x");
    CHECK(CreatePath(errors, W(temp / "file.txt\\sub")) == 0);
    CHECK(CreatePath(errors, W(temp / "file.txt")) == 0);
    CHECK(CreatePath(errors, L"D:") == 0);
    CHECK(boxes.boxes.empty());

    std::string orphan = temp / "no\\such";
    CHECK(CreateFolderWithReport(errors, W(orphan)) == 0);
    CHECK(boxes.LastText() == "Can't find the path specified. '" + orphan + "'");
    FlagScope japanese(EJapanese, 1);
    CHECK(CreateFolderWithReport(errors, W(orphan)) == 0);
    CHECK(boxes.LastText() == "\xC3\xDE\xA8\xDA\xB8\xC4\xD8\xCA\xDF\xBD '" + orphan + "'\x82\xAA\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x81\x42");
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
    REQUIRE(link.Made());
    REQUIRE(link2.Made());
    CHECK((FileAttributes(temp / "l\\link") & FILE_ATTRIBUTE_REPARSE_POINT) != 0);
    int removable = CanRemoveLinkItself(W(temp / "l\\link"));
    CHECK(DeleteTree(errors, W(temp / "l")) == removable);
    if (!removable)
        CHECK(boxes.LastText().find("is a link to another folder. It was left in place") != std::string::npos);
    CHECK(ReadWholeFile(temp / "outside\\precious.txt") == "p");
    CHECK(IsFolderPath(temp / "empty outside"));
    CHECK(DeleteTree(errors, W(temp / "l\\link2")) == removable);
    CHECK(IsFolderPath(temp / "empty outside"));
}

TEST_CASE("removal failures in both languages")
{
    TempFolder temp;
    BoxRecorder boxes;
    MakeFile(temp / "full\\x.txt", "x");
    CHECK(RemoveFolderWithReport(errors, W(temp / "full")) == 0);
    CHECK(boxes.LastText() == "Folder not empty");
    {
        LockedPath lock(temp / "full\\x.txt");
        CHECK(DeleteFileWithReport(errors, W(temp / "full\\x.txt")) == 0);
        CHECK(boxes.LastText() == "Error DeleteFile 32");
    }
    FlagScope japanese(EJapanese, 1);
    CHECK(RemoveFolderWithReport(errors, W(temp / "full")) == 0);
    CHECK(boxes.LastText() == "\xCC\xAB\xD9\xC0\xDE\x82\xAA\x8B\xF3\x82\xC5\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1");
    CHECK(SetAttributesWithReport(errors, W(temp / "none"), FILE_ATTRIBUTE_NORMAL) == 0);
    CHECK(boxes.LastText() == "Error SetFileAttribute 2");
    CHECK(DeleteFileWithReport(errors, W(temp / "full\\x.txt")) == 1);
    CHECK(RemoveFolderWithReport(errors, W(temp / "full")) == 1);
}

namespace {

int dispatched;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP)
        ++dispatched;
    return DefWindowProcA(window, message, wParam, lParam);
}

}

TEST_CASE("pumping dispatches one waiting message per call and still sees a late one")
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = CountingProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "OmbrelPumpProbe";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("OmbrelPumpProbe", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    REQUIRE(window);
    PostMessageA(window, WM_APP, 0, 0);
    PostMessageA(window, WM_APP, 0, 0);
    EApplication::PumpOneMessage();
    CHECK(dispatched == 1);
    EApplication::PumpOneMessage();
    CHECK(dispatched == 2);
    // After a look at an empty queue the next looks wait a little, but a
    // message posted now is taken by a later call. (WaitUntil would pump by
    // itself, so this polls by hand.)
    EApplication::PumpOneMessage();
    PostMessageA(window, WM_APP, 0, 0);
    DWORD start = GetTickCount();
    while (dispatched < 3 && GetTickCount() - start < 5000) {
        EApplication::PumpOneMessage();
        Sleep(1);
    }
    CHECK(dispatched == 3);
    DestroyWindow(window);
}
