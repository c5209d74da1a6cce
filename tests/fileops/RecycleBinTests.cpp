#include "ErrorSink.h"
#include "RecycleBin.h"
#include "WidePath.h"

#include "LockedPath.h"
#include "TempFolder.h"
#include "TestProcess.h"
#include "TreeBuilder.h"

#include <doctest/doctest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

struct ErrorList : ErrorSink {
    std::vector<std::wstring> texts;
    void ShowError(const std::wstring& text) override { texts.push_back(text); }
};

// Wine's trash is $XDG_DATA_HOME/Trash, read from this process's
// environment at its first use; ctest points it into the build folder.
// Called before a case recycles anything, so the trash is there at that use.
std::string TrashFiles()
{
    char home[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("XDG_DATA_HOME", home, sizeof home);
    REQUIRE_MESSAGE((length > 0 && length < sizeof home), "XDG_DATA_HOME must point into the build folder");
    std::string path = "Z:" + std::string(home, length);
    for (char& c : path)
        c = c == '/' ? '\\' : c;
    MakeFolder(path);
    return path + "\\Trash\\files";
}

// A name no earlier run left in the trash, which would have Wine pick another.
std::string FreshName(const char* stem)
{
    static int serial;
    return stem + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial) + ".txt";
}

std::wstring W(const std::string& path)
{
    return Widen(path.c_str());
}

const char ChildFile[] = "OMBREL_RECYCLE_CHILD";

}

TEST_CASE("a recycled file leaves its place for the trash with its content and flags, and no second name")
{
    std::string trash = TrashFiles();
    TempFolder temp;
    struct Case {
        unsigned long attributes;
        bool longForm;
    } cases[] = {{0, false}, {FILE_ATTRIBUTE_READONLY, true}, {FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, false}};
    for (const Case& c : cases) {
        std::string name = FreshName("binned");
        MakeFile(temp / name, "content of " + name);
        if (c.attributes)
            REQUIRE(SetFileAttributesA((temp / name).c_str(), c.attributes));
        ErrorList errors;
        CAPTURE(c.attributes);
        CHECK(RecycleFile(errors, c.longForm ? LongForm(temp / name) : W(temp / name)) == Binned::Yes);
        CHECK(errors.texts.empty());
        CHECK(FolderNames(temp.Path()).empty());
        std::string binned = trash + "\\" + name;
        CHECK(ReadWholeFile(binned) == "content of " + name);
        CHECK((FileAttributes(binned) & 7) == c.attributes);
        SetFileAttributesA(binned.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(binned.c_str());
    }
}

// Wine sets its trash up once per process: a trash unusable then makes every
// later recycling a deletion for good, answered as success. So this runs in
// a child process that sees a trash that is a plain file.
TEST_CASE("a file the shell deletes for good instead is put back in place")
{
    char child[MAX_PATH];
    DWORD length = GetEnvironmentVariableA(ChildFile, child, sizeof child);
    if (length > 0 && length < sizeof child) {
        ErrorList errors;
        Binned answer = RecycleFile(errors, W(child));
        WriteWholeFile(std::string(child) + ".answer", answer == Binned::Refused ? "refused" : "other");
        return;
    }
    TempFolder temp;
    MakeFolder(temp / "files");
    MakeFile(temp / "files\\notes.txt", "keep me");
    MakeFile(temp / "home\\Trash", "a file where the trash folder should be");
    std::string self = "\"" + TestBinaryFolder() + "\\fileops_tests.exe\" -tc=\"a file the shell deletes*\"";
    std::string environment = "XDG_DATA_HOME=" + UnixPath(temp / "home") + "\n" + ChildFile + "=" + (temp / "files\\notes.txt");
    REQUIRE(RunToEnd(self, 30000, environment) == 0);
    CHECK(ReadWholeFile(temp / "files\\notes.txt.answer") == "refused");
    DeleteFileA((temp / "files\\notes.txt.answer").c_str());
    CHECK(FolderNames(temp / "files") == std::vector<std::string>{"notes.txt"});
    CHECK(ReadWholeFile(temp / "files\\notes.txt") == "keep me");
}

// Wine copies a file to a trash on another file system: the file stays, so
// the bin never holds the only copy of something it did not take whole.
TEST_CASE("a file on a disk of its own, away from the trash, stays in place")
{
    std::string trash = TrashFiles();
    TempFolder temp;
    MakeFolder(temp / "disk");
    SmallDisk disk(temp / "disk", "1m");
    REQUIRE(disk.Mounted());
    std::string name = FreshName("away");
    MakeFile(temp / ("disk\\" + name), "on the small disk");
    ErrorList errors;
    CHECK(RecycleFile(errors, W(temp / ("disk\\" + name))) == Binned::Refused);
    CHECK(errors.texts.empty());
    CHECK(FolderNames(temp / "disk") == std::vector<std::string>{name});
    CHECK(ReadWholeFile(temp / ("disk\\" + name)) == "on the small disk");
    DeleteFileA((trash + "\\" + name).c_str());
}

TEST_CASE("paths the shell would rewrite or cannot take are refused untouched")
{
    TrashFiles();
    TempFolder temp;
    std::string deep = temp.Path();
    while (deep.size() < MAX_PATH)
        deep += "\\" + std::string(40, 'd');
    const char* names[] = {"notes.", "report ", "CON.txt", "lpt1"};
    for (const char* name : names) {
        std::wstring beside = LongForm(temp / "notes");
        std::wstring path = LongForm(temp.Path()) + L"\\" + W(name);
        REQUIRE(MakeFileW(path, "exact"));
        REQUIRE(MakeFileW(LongForm(temp / "report"), "plain"));
        REQUIRE(MakeFileW(beside, "plain"));
        ErrorList errors;
        CAPTURE(name);
        CHECK(RecycleFile(errors, path) == Binned::Refused);
        CHECK(ReadWholeFileW(path) == "exact");
        CHECK(ReadWholeFileW(beside) == "plain");
        CHECK(ReadWholeFileW(LongForm(temp / "report")) == "plain");
        CHECK(FolderNames(temp.Path()).size() == 3);
        DeleteFileW(path.c_str());
    }
    std::wstring distant = LongForm(deep) + L"\\distant.txt";
    for (std::size_t end = distant.find(L'\\', 8); end != std::wstring::npos; end = distant.find(L'\\', end + 1))
        CreateDirectoryW(distant.substr(0, end).c_str(), nullptr);
    REQUIRE(MakeFileW(distant, "far"));
    ErrorList errors;
    CHECK(RecycleFile(errors, distant) == Binned::Refused);
    CHECK(ReadWholeFileW(distant) == "far");
}

TEST_CASE("a file another program holds is told as in use and stays")
{
    TrashFiles();
    TempFolder temp;
    MakeFile(temp / "held.txt", "held");
    LockedPath held(temp / "held.txt");
    REQUIRE(held.Held());
    ErrorList errors;
    CHECK(RecycleFile(errors, W(temp / "held.txt")) == Binned::Failed);
    REQUIRE(errors.texts.size() == 1);
    CHECK(errors.texts[0].find(L"held.txt is in use") != std::wstring::npos);
    CHECK(FolderNames(temp.Path()) == std::vector<std::string>{"held.txt"});
}
