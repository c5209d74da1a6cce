#include <doctest/doctest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "SetFile.h"
#include "SetFileTesting.h"
#include "SetList.h"
#include "TempFolder.h"
#include "TestProcess.h"

namespace {

// The small tmpfs that the test run mounts, as a Windows path; empty when
// there is none.
std::string FullDiskFolder()
{
    const char* mount = std::getenv("OMBREL_FULL_DISK");
    if (!mount || !*mount)
        return "";
    std::string folder = std::string("Z:") + mount;
    for (char& c : folder) {
        if (c == '/')
            c = '\\';
    }
    DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return "";
    return folder;
}

// Writes 4 KiB blocks until the file system refuses more.
void FillUp(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    REQUIRE(file != INVALID_HANDLE_VALUE);
    std::vector<char> block(4096, 'f');
    DWORD written = 0;
    int blocks = 0;
    while (blocks < 100000 && WriteFile(file, block.data(), 4096, &written, nullptr) && written == 4096)
        ++blocks;
    CloseHandle(file);
}

std::vector<TestSet> ManyLongSets()
{
    std::vector<TestSet> sets;
    for (int i = 0; i < 60; ++i) {
        std::string folder = "C:\\" + std::string(250, static_cast<char>('a' + i % 26));
        sets.push_back({"Set " + std::to_string(i), folder, folder, 1, 0, 1, 0});
    }
    return sets;
}

}

TEST_CASE("set file: a write into a full file system keeps the old file and answers 0")
{
    std::string folder = FullDiskFolder();
    if (folder.empty()) {
        std::printf("SKIPPED: set file on a full disk (no tmpfs mounted; mounting needs root)\n");
        MESSAGE("skipped: no tmpfs mounted for the full-disk test");
        return;
    }
    std::string path = folder + "\\sets.ini";
    std::string backup = path + ".bak";
    std::string filler = folder + "\\filler";
    std::string slack = folder + "\\slack";
    std::size_t room = 8192;
    bool backupExpected = false;

    SUBCASE("a file of our own")
    {
        SetList old;
        FillList(old, {{"Old", "C:\\a", "D:\\b", 1, 0, 0, 0}});
        REQUIRE(WriteSetFile(old, path.c_str()) == 1);
    }
    SUBCASE("a file that is kept as a backup first")
    {
        REQUIRE(WriteWholeFile(path, "[Other]\r\nkey=value\r\n"));
        backupExpected = true;
    }
    SUBCASE("a file whose backup does not fit either")
    {
        REQUIRE(WriteWholeFile(path, "[Other]\r\nkey=value\r\n"));
        room = 0;
    }
    std::string before = ReadWholeFile(path);
    REQUIRE(!before.empty());

    // Leave a little room, far less than the new file needs.
    if (room)
        REQUIRE(WriteWholeFile(slack, std::string(room, 's')));
    FillUp(filler);
    DeleteFileA(slack.c_str());

    SetList list;
    FillList(list, ManyLongSets());
    CHECK(WriteSetFile(list, path.c_str()) == 0);
    CHECK(ReadWholeFile(path) == before);
    // Nothing half-written is left beside it; a backup, when it was made,
    // holds the old bytes.
    for (const std::string& name : FolderNames(folder)) {
        CAPTURE(name);
        CHECK((name == "sets.ini" || name == "filler" || name == "sets.ini.bak"));
    }
    CHECK((GetFileAttributesA(backup.c_str()) != INVALID_FILE_ATTRIBUTES) == backupExpected);
    if (backupExpected)
        CHECK(ReadWholeFile(backup) == before);

    DeleteFileA(backup.c_str());
    DeleteFileA(filler.c_str());
    DeleteFileA(path.c_str());
}
