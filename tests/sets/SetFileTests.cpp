#include <doctest/doctest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "EFlags.h"
#include "FakeSetListView.h"
#include "FlagScope.h"
#include "FileBytes.h"
#include "SetFile.h"
#include "SetFileText.h"
#include "SetFileTesting.h"
#include "TempFolder.h"
#include "TestProcess.h"
#include "TreeBuilder.h"

namespace {

const char ThreeSets[] =
    "[third]\r\nSRC=\"C:\\3\"\r\nDST=\"D:\\3\"\r\nDELETE=N\r\nDOSTIME=N\r\nFORCE=N\r\nEXCLUDEOBJ=Y\r\n\r\n"
    "[second]\r\nSRC=\"C:\\2\"\r\nDST=\"D:\\2\"\r\nDELETE=N\r\nDOSTIME=Y\r\nFORCE=Y\r\nEXCLUDEOBJ=N\r\n\r\n"
    "[first]\r\nSRC=\"C:\\1\"\r\nDST=\"D:\\1\"\r\nDELETE=Y\r\nDOSTIME=N\r\nFORCE=N\r\nEXCLUDEOBJ=N\r\n\r\n";

std::vector<TestSet> Three()
{
    return {{"first", "C:\\1", "D:\\1", 1, 0, 0, 0},
            {"second", "C:\\2", "D:\\2", 0, 1, 1, 0},
            {"third", "C:\\3", "D:\\3", 0, 0, 0, 1}};
}

}

TEST_CASE("set file: written bytes are exact and read back to the same list (both languages)")
{
    struct Case {
        const char* label;
        int doubleByte;
        std::vector<TestSet> sets;
        std::string expected;
        const char* file = "sets.ini";
    } cases[] = {
        {"empty list", 0, {}, ""},
        {"last entry first", 0, Three(), ThreeSets},
        {"brackets and blanks in folders", 0,
         {{" Photos ", "D:\\Photos [2019]", "E:\\x [y] z", 1, 1, 1, 1}},
         "[ Photos ]\r\nSRC=\"D:\\Photos [2019]\"\r\nDST=\"E:\\x [y] z\"\r\n"
         "DELETE=Y\r\nDOSTIME=Y\r\nFORCE=Y\r\nEXCLUDEOBJ=Y\r\n\r\n"},
        {"Shift-JIS name", 0, {{"\x83\x5c\x95\x5c", "C:\\\x83\x5c", "", 0, 0, 0, 0}},
         "[\x83\x5c\x95\x5c]\r\nSRC=\"C:\\\x83\x5c\"\r\nDST=\"\"\r\n"
         "DELETE=N\r\nDOSTIME=N\r\nFORCE=N\r\nEXCLUDEOBJ=N\r\n\r\n"},
        // A long-vowel mark, whose second byte is '[', whole with the double-byte flag.
        {"long-vowel mark", 1, {{"\x83\x81\x81\x5b\x83\x8b", "C:\\\x81\x5b", "", 0, 0, 0, 0}},
         "[\x83\x81\x81\x5b\x83\x8b]\r\nSRC=\"C:\\\x81\x5b\"\r\nDST=\"\"\r\n"
         "DELETE=N\r\nDOSTIME=N\r\nFORCE=N\r\nEXCLUDEOBJ=N\r\n\r\n"},
        // Myソフト.ini: a file name whose second byte is a backslash, which
        // only a Japanese code page has.
        {"Shift-JIS file name", 1, Three(), ThreeSets, "My\x83\x5c\x83\x74\x83\x67.ini"},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        INFO(c.label);
        if (c.file != std::string("sets.ini") && GetACP() != 932)
            continue;
        FlagScope flag(EDoubleByte, c.doubleByte);
        std::string path = folder / c.file;
        DeleteFileA(path.c_str());
        SetList list;
        FillList(list, c.sets);
        CHECK(WriteSetFile(list, path.c_str()) == 1);
        CHECK(ReadWholeFile(path) == c.expected);

        FakeSetListView view;
        SetList read(&view);
        int complete = 0;
        CHECK(ReadSetFile(read, path.c_str(), &complete) == 1);
        CHECK(complete == 1);
        CHECK(Contents(read) == c.sets);
        CHECK(view.names.size() == c.sets.size());
    }
}

TEST_CASE("set file: saving after the last set was deleted adds no set")
{
    TempFolder folder;
    std::string path = folder / "sets.ini";
    FakeSetListView view;
    SetList list(&view);
    FillList(list, {{"Only", "C:\\a", "C:\\b", 0, 0, 0, 0}});
    list.SelectTop();
    list.DeleteSet();
    CHECK(std::string(view.fields.name) == "Only");   // the box keeps its text
    CHECK(WriteSetFile(list, path.c_str()) == 1);
    CHECK(ReadWholeFile(path).empty());
    CHECK(PathExists(path));

    SUBCASE("but what is typed into the fields of the empty list is saved")
    {
        std::strcpy(view.fields.source, "C:\\typed");
        CHECK(WriteSetFile(list, path.c_str()) == 1);
        CHECK(ReadWholeFile(path).find("[Only]\r\nSRC=\"C:\\typed\"") == 0);
    }
    SUBCASE("and so is a name typed into an empty list that never held a set")
    {
        SetList fresh(&view);
        view.Type("Typed", "", "");
        CHECK(WriteSetFile(fresh, path.c_str()) == 1);
        CHECK(ReadWholeFile(path).find("[Typed]\r\n") == 0);
    }
}

TEST_CASE("set file: the reader survives any file")
{
    TempFolder folder;
    std::string path = folder / "odd.ini";
    SetList list;
    FillList(list, Three());
    int complete = 1;

    SUBCASE("missing")
    {
        CHECK(ReadSetFile(list, (folder / "none.ini").c_str(), &complete) == 0);
    }
    SUBCASE("a device name, alone or with a folder and an extension")
    {
        // Reading CON would wait for the console; writing NUL loses the sets.
        for (const std::string& device : {std::string("CON"), std::string("NUL"), folder / "com1.ini"}) {
            CAPTURE(device);
            CHECK(ReadSetFile(list, device.c_str(), &complete) == 0);
            FillList(list, Three());
            CHECK(WriteSetFile(list, device.c_str()) == 0);
        }
        CHECK(FolderNames(folder.Path()).empty());
    }
    SUBCASE("one line of four megabytes")
    {
        REQUIRE(WriteWholeFile(path, "[" + std::string(4 * 1024 * 1024, 'x') + "]\r\n"));
        CHECK(ReadSetFile(list, path.c_str(), &complete) == 1);
        REQUIRE(list.Count() == 1);
        CHECK(std::string(list.NameAt(0)) == std::string(259, 'x'));
    }
    CHECK(complete == 0);
}

TEST_CASE("set file: incomplete files are kept as .bak before they are replaced")
{
    EDoubleByte = 0;
    TempFolder folder;
    std::string path = folder / "sets.ini";
    std::string backup = path + ".bak";

    SUBCASE("a file of our own, with or without a byte-order mark: unchanged it is untouched, edited rewritten as it was")
    {
        for (const std::string mark : {"", "\xEF\xBB\xBF"}) {
            CAPTURE(mark.size());
            REQUIRE(WriteWholeFile(path, mark + ThreeSets));
            SetWriteTicks(path, TicksOf(2001, 1, 1));
            FakeSetListView view;
            SetList read(&view);
            int complete = 0;
            REQUIRE(ReadSetFile(read, path.c_str(), &complete) == 1);
            CHECK(complete == 1);
            CHECK(Contents(read) == Three());
            CHECK(WriteSetFile(read, path.c_str()) == 1);   // commits the shown fields unchanged
            CHECK(ReadWholeFile(path) == mark + ThreeSets);
            CHECK(WriteTicks(path) == TicksOf(2001, 1, 1));

            // The commit dropped the name box's selection; a later edit is
            // still saved, and a file of our own needs no backup.
            CHECK(view.selection < 0);
            std::strcpy(view.fields.source, "C:\\edited");
            CHECK(WriteSetFile(read, path.c_str()) == 1);
            CHECK(ReadWholeFile(path) == mark + FormatSetFile(read));
            CHECK(Contents(read)[0].source == "C:\\edited");
            CHECK(FolderNames(folder.Path()) == std::vector<std::string>{"sets.ini"});
        }
    }

    SUBCASE("files that do not read back in full")
    {
        struct Case {
            const char* label;
            std::string bytes;
        } cases[] = {
            {"dropped lines", "[A]\r\nSRC=\"C:\\a\"\r\nDELETE=Y\r\n\r\n"},
            {"CR only", "[A]\rSRC=\"C:\\a\"\rDST=\"C:\\b\"\rDELETE=N\rDOSTIME=N\rFORCE=N\rEXCLUDEOBJ=N\r\r"},
            {"another program's INI", "; settings\r\n[Window]\r\nLeft=10\r\nTop=20\r\n"},
            {"a long-vowel mark read without the double-byte flag",
             "[\x83\x81\x81\x5b\x83\x8b]\r\nSRC=\"\"\r\nDST=\"\"\r\n"
             "DELETE=N\r\nDOSTIME=N\r\nFORCE=N\r\nEXCLUDEOBJ=N\r\n\r\n"},
            {"a 300-byte folder", "[A]\r\nSRC=\"C:\\" + std::string(297, 'f') +
                                      "\"\r\nDST=\"C:\\b\"\r\n"
                                      "DELETE=Y\r\nDOSTIME=N\r\nFORCE=N\r\nEXCLUDEOBJ=N\r\n\r\n"},
        };
        for (const Case& c : cases) {
            INFO(c.label);
            DeleteFileA(backup.c_str());
            REQUIRE(WriteWholeFile(path, c.bytes));
            SetList list;
            int complete = 1;
            REQUIRE(ReadSetFile(list, path.c_str(), &complete) == 1);
            CHECK(complete == 0);
            CHECK(WriteSetFile(list, path.c_str()) == 1);
            CHECK(ReadWholeFile(backup) == c.bytes);
            CHECK(ReadWholeFile(path) == FormatSetFile(list));
        }
    }
}

TEST_CASE("set file: a backup is never replaced by other bytes; the next free name takes them")
{
    TempFolder folder;
    std::string path = folder / "sets.ini";
    // Each is another program's file, kept before it is replaced; a file
    // kept already is not kept twice.
    struct Step {
        std::string bytes;
        std::vector<std::string> names;
    } steps[] = {
        {"[A]\r\nkey=1\r\n", {"sets.ini", "sets.ini.bak"}},
        {"[B]\r\nkey=2\r\n", {"sets.ini", "sets.ini.1.bak", "sets.ini.bak"}},
        {"[B]\r\nkey=2\r\n", {"sets.ini", "sets.ini.1.bak", "sets.ini.bak"}},
        {"[A]\r\nkey=1\r\n", {"sets.ini", "sets.ini.1.bak", "sets.ini.bak"}},
        {"[C]\r\nkey=3\r\n", {"sets.ini", "sets.ini.1.bak", "sets.ini.2.bak", "sets.ini.bak"}},
    };
    for (const Step& step : steps) {
        CAPTURE(step.bytes);
        REQUIRE(WriteWholeFile(path, step.bytes));
        SetList list;
        REQUIRE(ReadSetFile(list, path.c_str()) == 1);
        CHECK(WriteSetFile(list, path.c_str()) == 1);
        CHECK(FolderNames(folder.Path()) == step.names);
    }
    CHECK(ReadWholeFile(path + ".bak") == "[A]\r\nkey=1\r\n");
    CHECK(ReadWholeFile(path + ".1.bak") == "[B]\r\nkey=2\r\n");
    CHECK(ReadWholeFile(path + ".2.bak") == "[C]\r\nkey=3\r\n");
}

TEST_CASE("set file: through a symbolic link its target is written; a read-only file is never replaced")
{
    EDoubleByte = 0;
    TempFolder folder;
    std::string target = folder / "target\\sets.ini";
    MakeFolder(folder / "target");
    // Links are made on the Linux side (Wine cannot make them).
    TestLink link(target, folder / "link.ini");
    TestLink chain(folder / "link.ini", folder / "chain.ini");
    REQUIRE((link.Made() && chain.Made()));
    for (const std::string name : {"link.ini", "chain.ini", "target\\sets.ini"}) {
        CAPTURE(name);
        bool readOnly = name == "target\\sets.ini";
        REQUIRE(WriteWholeFile(target, ThreeSets));
        if (readOnly)
            SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);
        FakeSetListView view;
        SetList list(&view);
        REQUIRE(ReadSetFile(list, (folder / name).c_str()) == 1);
        // Unchanged sets write nothing, even to a read-only file.
        CHECK(WriteSetFile(list, (folder / name).c_str()) == 1);
        std::strcpy(view.fields.source, "C:\\edited");
        SetFileError error;
        CHECK(WriteSetFile(list, (folder / name).c_str(), &error) == !readOnly);
        CHECK(ReadWholeFile(target) == (readOnly ? ThreeSets : FormatSetFile(list)));
        CHECK(error.fault == (readOnly ? SetFileFault::ReadOnly : SetFileFault::None));
        // The links lead to the target still, and nothing is left beside them.
        std::string final, real;
        REQUIRE(FinalPathOf(target.c_str(), real) == 1);
        for (const char* each : {"link.ini", "chain.ini"}) {
            CHECK(FinalPathOf((folder / each).c_str(), final) == 1);
            CHECK(final == real);
        }
        CHECK(FolderNames(folder.Path()) == std::vector<std::string>{"chain.ini", "link.ini", "target"});
        CHECK(FolderNames(folder / "target") == std::vector<std::string>{"sets.ini"});
        CHECK(((FileAttributes(target) & FILE_ATTRIBUTE_READONLY) != 0) == readOnly);
        SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_CASE("set file: a write into a full file system keeps the old file and answers 0 (needs root)")
{
    struct Case {
        const char* label;
        bool ours;     // else another program's file, kept as a backup first
        size_t room;   // left free before the write: enough for the backup, or none
    } cases[] = {{"a file of our own", true, 8192}, {"kept as a backup first", false, 8192},
                 {"whose backup does not fit either", false, 0}};
    for (const Case& c : cases) {
        INFO(c.label);
        TempFolder temp;
        std::string folder = temp / "disk";
        MakeFolder(folder);
        SmallDisk disk(folder, "64k");
        REQUIRE(disk.Mounted());
        std::string path = folder + "\\sets.ini";
        if (c.ours) {
            SetList old;
            FillList(old, {{"Old", "C:\\a", "D:\\b", 1, 0, 0, 0}});
            REQUIRE(WriteSetFile(old, path.c_str()) == 1);
        } else {
            REQUIRE(WriteWholeFile(path, "[Other]\r\nkey=value\r\n"));
        }
        std::string before = ReadWholeFile(path);
        if (c.room)
            REQUIRE(WriteWholeFile(folder + "\\slack", std::string(c.room, 's')));
        // Written until the file system refuses more.
        CHECK_FALSE(WriteWholeFile(folder + "\\filler", std::string(64 * 1024, 'f')));
        DeleteFileA((folder + "\\slack").c_str());
        // Far more than the room left.
        SetList list;
        FillList(list, std::vector<TestSet>(60, {"Set", "C:\\" + std::string(250, 'f'), "D:\\", 1, 0, 1, 0}));
        CHECK(WriteSetFile(list, path.c_str()) == 0);
        CHECK(ReadWholeFile(path) == before);
        // Nothing half-written is left beside it; a backup, when it was
        // made, holds the old bytes.
        bool backup = !c.ours && c.room;
        CHECK(FolderNames(folder) == (backup ? std::vector<std::string>{"filler", "sets.ini", "sets.ini.bak"}
                                             : std::vector<std::string>{"filler", "sets.ini"}));
        if (backup)
            CHECK(ReadWholeFile(path + ".bak") == before);
    }
}
