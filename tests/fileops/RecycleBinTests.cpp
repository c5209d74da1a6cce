#include "BoxErrors.h"
#include "RecycleBin.h"

#include "BoxRecorder.h"
#include "LockedPath.h"
#include "TempFolder.h"
#include "TestProcess.h"
#include "TreeBuilder.h"
#include "TreeSnapshot.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

// Errors go to the error box, where a BoxRecorder reads them.
BoxErrors errors(nullptr);


}

TEST_CASE("a recycled file or tree is in the trash whole and with its flags, and gone with its second names")
{
    std::string trash = TrashFiles();
    REQUIRE_MESSAGE(!trash.empty(), "XDG_DATA_HOME must point into the build folder");
    TempFolder temp;
    BoxRecorder boxes;
    for (unsigned long flags : {0ul, 1ul, 6ul, 16ul}) {
        std::string name = "binned" + TrashTag() + "-" + std::to_string(flags);
        std::string file = flags == FILE_ATTRIBUTE_DIRECTORY ? name + "\\sub\\leaf" : name;
        MakeFile(temp / file, name);
        SetFileAttributesA((temp / file).c_str(), (flags & 7) | FILE_ATTRIBUTE_ARCHIVE);
        std::wstring path = LongForm(temp / name);
        CHECK((flags & 16 ? RecycleFolder(errors, path) : RecycleFile(errors, path)) == Binned::Yes);
        CHECK(FolderNames(temp.Path()).empty());
        CHECK(ReadWholeFile(trash + file) == name);
        CHECK((FileAttributes(trash + file) & 7) == (flags & 7));
        EmptyTrashOf(name);
    }
}

TEST_CASE("a file the bin does not take whole stays as it was, and only a held one is told")
{
    if (const char* child = std::getenv("OMBREL_RECYCLE_CHILD")) {
        BoxRecorder boxes;
        ExitProcess(10u + static_cast<UINT>(IsFolderPath(child) ? RecycleFolder(errors, LongForm(child))
                                                                : RecycleFile(errors, LongForm(child))));
    }
    TrashFiles();
    TempFolder temp;
    REQUIRE(MakeFileW(LongForm(temp / "notes"), "beside"));
    std::string file = temp / "file.txt", target;
    std::unique_ptr<SmallDisk> disk;
    bool hold = false, away = false, deletedForGood = false;
    SUBCASE("a name the shell would rewrite") { file = temp / "notes."; }
    SUBCASE("a device name") { file = temp / "CON.txt"; }
    SUBCASE("a path longer than the shell takes") { file = temp / (std::string(240, 'd') + "\\file.txt"); }
    SUBCASE("held by another program") { hold = true; }
    // Wine copies a file to a trash on another file system; a folder it deletes.
    SUBCASE("on a disk of its own, away from the trash") { away = true; file = temp / "disk\\file.txt"; }
    // Wine sets its trash up once per process: where it is unusable then, it
    // deletes for good and answers success. A child sees a plain file there.
    SUBCASE("deleted for good by the shell") { deletedForGood = true; }
    SUBCASE("a folder deleted for good by the shell") { deletedForGood = true; target = temp / "tree"; }
    SUBCASE("a folder away from the trash") { away = true; target = temp / "disk\\tree"; }
    if (away) {
        MakeFolder(temp / "disk");
        disk.reset(new SmallDisk(temp / "disk", "1m"));
        REQUIRE(disk->Mounted());
    }
    file = target.empty() ? file : target + "\\sub\\file.txt";
    target = target.empty() ? file : target;
    REQUIRE(MakeFileW(LongForm(file), "whole"));
    LockedPath held(hold ? file : temp / "none");
    MakeFile(temp / "home\\Trash", "not a folder");
    // Wine shows a mount point as a link, which a snapshot does not follow.
    std::string root = disk ? temp / "disk" : temp.Path();
    TreeSnapshot before = Snapshot(root);
    BoxRecorder boxes;
    std::string self = "\"" + TestBinaryFolder() + "\\fileops_tests.exe\" -tc=\"a file the bin does not take*\"";
    std::string environment = "XDG_DATA_HOME=" + UnixPath(temp / "home") + "\nOMBREL_RECYCLE_CHILD=" + target;
    if (deletedForGood)
        CHECK(RunToEnd(self, 30000, environment) == 10 + static_cast<DWORD>(Binned::Refused));
    else
        CHECK((target == file ? RecycleFile(errors, LongForm(target)) : RecycleFolder(errors, LongForm(target))) ==
              (hold ? Binned::Failed : Binned::Refused));
    CHECK(Changes(before, Snapshot(root)).empty());
    CHECK((hold ? boxes.LastText().find("file.txt is in use") != std::string::npos : boxes.boxes.empty()));
}
