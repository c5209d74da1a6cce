#include "BoxErrors.h"
#include "RecycleBin.h"

#include "BoxRecorder.h"
#include "LockedPath.h"
#include "TempFolder.h"
#include "TestProcess.h"
#include "TreeBuilder.h"
#include "TreeSnapshot.h"

#include <doctest/doctest.h>

#include <cstdlib>
#include <memory>

namespace {

// Errors go to the error box, where a BoxRecorder reads them.
BoxErrors binErrors(nullptr);

// One file or folder the bin does not take whole. file and target are
// relative to a fresh folder; an empty target is the file itself.
struct Refusal {
    const char* name;
    std::string file;
    const char* target;
    bool hold, away, deletedForGood;
};

void CheckRefused(const Refusal& row)
{
    CAPTURE(std::string(row.name));
    TempFolder temp;
    REQUIRE(MakeFileW(LongForm(temp / "notes"), "beside"));
    std::unique_ptr<SmallDisk> disk;
    if (row.away) {
        MakeFolder(temp / "disk");
        disk.reset(new SmallDisk(temp / "disk", "1m"));
        REQUIRE(disk->Mounted());
    }
    std::string target = temp / (*row.target ? row.target : row.file);
    std::string file = *row.target ? target + "\\sub\\file.txt" : target;
    REQUIRE(MakeFileW(LongForm(file), "whole"));
    LockedPath held(row.hold ? file : temp / "none");
    MakeFile(temp / "home\\Trash", "not a folder");
    // Wine shows a mount point as a link, which a snapshot does not follow.
    std::string root = disk ? temp / "disk" : temp.Path();
    TreeSnapshot before = Snapshot(root);
    BoxRecorder boxes;
    std::string self = "\"" + TestBinaryFolder() + "\\fileops_tests.exe\" -tc=\"a file the bin does not take*\"";
    std::string environment = "XDG_DATA_HOME=" + UnixPath(temp / "home") + "\nOMBREL_RECYCLE_CHILD=" + target;
    if (row.deletedForGood)
        CHECK(RunToEnd(self, 30000, environment) == 10 + static_cast<DWORD>(Binned::Refused));
    else
        CHECK((target == file ? RecycleFile(binErrors, LongForm(target)) : RecycleFolder(binErrors, LongForm(target))) ==
              (row.hold ? Binned::Failed : Binned::Refused));
    CHECK(Changes(before, Snapshot(root)).empty());
    CHECK((row.hold ? boxes.LastText().find("file.txt is in use") != std::string::npos : boxes.boxes.empty()));
}

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
        CHECK((flags & 16 ? RecycleFolder(binErrors, path) : RecycleFile(binErrors, path)) == Binned::Yes);
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
        ExitProcess(10u + static_cast<UINT>(IsFolderPath(child) ? RecycleFolder(binErrors, LongForm(child))
                                                                : RecycleFile(binErrors, LongForm(child))));
    }
    TrashFiles();
    // Wine sets its trash up once per process: where it is unusable then, it
    // deletes for good and answers success. A child sees a plain file there.
    const Refusal rows[] = {
        {"a name the shell would rewrite", "notes.", "", false, false, false},
        {"a device name", "CON.txt", "", false, false, false},
        {"a path longer than the shell takes", std::string(240, 'd') + "\\file.txt", "", false, false, false},
        {"held by another program", "file.txt", "", true, false, false},
        {"deleted for good by the shell", "file.txt", "", false, false, true},
        {"a folder deleted for good by the shell", "", "tree", false, false, true},
    };
    for (const Refusal& row : rows)
        CheckRefused(row);
}

TEST_CASE("a file on a disk of its own, away from the trash, stays as it was (needs root)")
{
    // Wine copies a file to a trash on another file system; a folder it deletes.
    CheckRefused({"a file", "disk\\file.txt", "", false, true, false});
    CheckRefused({"a folder", "", "disk\\tree", false, true, false});
}
