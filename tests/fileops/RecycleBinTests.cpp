#include "ErrorSink.h"
#include "RecycleBin.h"

#include "LockedPath.h"
#include "TempFolder.h"
#include "TestProcess.h"
#include "TreeBuilder.h"
#include "TreeSnapshot.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <memory>

namespace {

struct Told : ErrorSink {
    std::wstring text;
    void ShowError(const std::wstring& shown) override { text += shown; }
};

// Wine's trash is $XDG_DATA_HOME/Trash, looked for at a process's first
// recycling: ctest points it into the build folder, and it must be there then.
std::string TrashFiles()
{
    char home[MAX_PATH] = "";
    GetEnvironmentVariableA("XDG_DATA_HOME", home, sizeof home);
    REQUIRE_MESSAGE(home[0] == '/', "XDG_DATA_HOME must point into the build folder");
    std::string path = std::string("Z:") + home;
    std::replace(path.begin(), path.end(), '/', '\\');
    MakeFolder(path);
    return path + "\\Trash\\files\\";
}

}

TEST_CASE("a recycled file is in the trash whole and with its flags, and gone with its second name")
{
    std::string trash = TrashFiles();
    TempFolder temp;
    for (unsigned long flags : {0ul, 1ul, 6ul}) {
        // A name no earlier run left in the trash, where Wine would pick another.
        std::string name = "binned" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(flags);
        MakeFile(temp / name, name);
        SetFileAttributesA((temp / name).c_str(), flags | FILE_ATTRIBUTE_ARCHIVE);
        Told errors;
        CHECK(RecycleFile(errors, LongForm(temp / name)) == Binned::Yes);
        CHECK(FolderNames(temp.Path()).empty());
        CHECK(ReadWholeFile(trash + name) == name);
        CHECK((FileAttributes(trash + name) & 7) == flags);
        SetFileAttributesA((trash + name).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA((trash + name).c_str());
    }
    std::string tree = "tree" + std::to_string(GetCurrentProcessId());
    MakeFile(temp / (tree + "\\sub\\leaf.txt"), "leaf");
    Told errors;
    CHECK(RecycleFolder(errors, LongForm(temp / tree)) == Binned::Yes);
    CHECK(FolderNames(temp.Path()).empty());
    CHECK(ReadWholeFile(trash + tree + "\\sub\\leaf.txt") == "leaf");
    RunUnixShell("rm -r '" + UnixPath(trash + tree) + "'");
}

TEST_CASE("a file the bin does not take whole stays as it was, and only a held one is told")
{
    char child[MAX_PATH] = "";
    if (GetEnvironmentVariableA("OMBREL_RECYCLE_CHILD", child, sizeof child)) {
        Told errors;
        std::wstring path = LongForm(child);
        ExitProcess(10 + static_cast<UINT>(IsFolderPath(child) ? RecycleFolder(errors, path) : RecycleFile(errors, path)));
    }
    std::string trash = TrashFiles();
    TempFolder temp;
    REQUIRE(MakeFileW(LongForm(temp / "notes"), "beside"));
    std::string file = temp / "file.txt", target;
    std::unique_ptr<SmallDisk> disk;
    bool hold = false, deletedForGood = false;
    SUBCASE("a name the shell would rewrite") { file = temp / "notes."; }
    SUBCASE("a device name") { file = temp / "CON.txt"; }
    SUBCASE("a path longer than the shell takes") { file = temp / (std::string(240, 'd') + "\\file.txt"); }
    SUBCASE("held by another program") { hold = true; }
    // Wine copies to a trash on another file system, and keeps the file.
    SUBCASE("on a disk of its own, away from the trash") {
        MakeFolder(temp / "disk");
        disk.reset(new SmallDisk(temp / "disk", "1m"));
        REQUIRE(disk->Mounted());
        file = temp / "disk\\file.txt";
    }
    // Wine sets its trash up once per process: where it is unusable then, it
    // deletes for good and answers success. A child sees a plain file there.
    SUBCASE("deleted for good by the shell") { deletedForGood = true; }
    SUBCASE("a folder deleted for good by the shell") { deletedForGood = true; target = temp / "tree"; }
    SUBCASE("a folder away from the trash") {
        MakeFolder(temp / "disk");
        disk.reset(new SmallDisk(temp / "disk", "1m"));
        REQUIRE(disk->Mounted());
        target = temp / "disk\\tree";
    }
    if (!target.empty())
        file = target + "\\sub\\file.txt";
    target = target.empty() ? file : target;
    REQUIRE(MakeFileW(LongForm(file), "whole"));
    LockedPath held(hold ? file : temp / "none");
    // Wine shows a mount point as a link, which a snapshot does not follow.
    std::string root = disk ? temp / "disk" : temp.Path();
    TreeSnapshot before = Snapshot(root);
    Told errors;
    if (deletedForGood) {
        MakeFile(temp / "home\\Trash", "not a folder");
        std::string self = "\"" + TestBinaryFolder() + "\\fileops_tests.exe\" -tc=\"a file the bin does not take*\"";
        CHECK(RunToEnd(self, 30000, "XDG_DATA_HOME=" + UnixPath(temp / "home") + "\nOMBREL_RECYCLE_CHILD=" + target) ==
              10 + static_cast<DWORD>(Binned::Refused));
        DeleteFileA((temp / "home\\Trash").c_str());
        RemoveDirectoryA((temp / "home").c_str());
    } else {
        std::wstring path = LongForm(target);
        CHECK((target == file ? RecycleFile(errors, path) : RecycleFolder(errors, path)) ==
              (hold ? Binned::Failed : Binned::Refused));
        DeleteFileA((trash + "file.txt").c_str());
    }
    CHECK(Changes(before, Snapshot(root)).empty());
    CHECK((hold ? errors.text.find(L"file.txt is in use") != std::wstring::npos : errors.text.empty()));
}
