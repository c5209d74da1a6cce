#include <doctest/doctest.h>

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "BoxRecorder.h"
#include "EFlags.h"
#include "ERegKey.h"
#include "FakeSetListView.h"
#include "FlagScope.h"
#include "LockedPath.h"
#include "SetFileSession.h"
#include "SetFileWindow.h"
#include "SetList.h"
#include "Settings.h"
#include "SettingsWindow.h"
#include "TempFolder.h"
#include "TestProcess.h"
#include "TreeBuilder.h"

namespace {

const char ProductKey[] = "Software\\KorvaneSoft\\KorvaneFolderSync";

const char TwoSets[] = "[Old]\r\nSRC=\"C:\\old\"\r\nDST=\"D:\\old\"\r\n"
                       "DELETE=N\r\nDOSTIME=N\r\nFORCE=N\r\nEXCLUDEOBJ=N\r\n\r\n"
                       "[Top]\r\nSRC=\"C:\\top\"\r\nDST=\"D:\\top\"\r\n"
                       "DELETE=Y\r\nDOSTIME=N\r\nFORCE=N\r\nEXCLUDEOBJ=N\r\n\r\n";

// The file dialog answers from a script: (1, path) chooses, (0, "") cancels.
class FakeSetFileWindow : public SetFileWindow {
public:
    HWND Owner() override { return nullptr; }
    int ChooseSetFile(Dialog dialog, std::string& path) override
    {
        asked.push_back(dialog);
        if (choices.empty())
            return 0;
        std::pair<int, std::string> choice = choices.front();
        choices.pop_front();
        if (choice.first)
            path = choice.second;
        return choice.first;
    }
    void Repaint() override { ++repaints; }

    std::deque<std::pair<int, std::string>> choices;
    std::vector<Dialog> asked;
    int repaints = 0;
};

class FakeSettingsWindow : public SettingsWindow {
public:
    RECT WindowRect() override { return rect; }
    void MoveWindowTo(int left, int top, int width, int height) override
    {
        rect = {left, top, left + width, top + height};
    }
    int ColumnWidth(int column) override { return widths[column]; }
    void SetColumnWidth(int column, int width) override { widths[column] = width; }

    RECT rect = {10, 20, 498, 500};
    std::map<int, int> widths;
};

// A session over fakes, starting without the program's registry keys and
// leaving none behind.
struct SessionFixture {
    SessionFixture() : sets(&view), session(sets, window, settings)
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, ProductKey);
        path = folder / "sets.ini";
    }
    ~SessionFixture() { RegDeleteTreeA(HKEY_CURRENT_USER, ProductKey); }

    // As a previous close left it: the Settings key naming the set file.
    void Remember(const std::string& file)
    {
        ERegKey key(HKEY_CURRENT_USER);
        REQUIRE(key.Create(SettingsKeyPath) == ERROR_SUCCESS);
        key.SetText("Ini file", file.c_str());
    }

    std::string Stored(const char* name)
    {
        ERegKey key(HKEY_CURRENT_USER);
        if (key.Open(SettingsKeyPath) != ERROR_SUCCESS)
            return "<no key>";
        char text[MAX_PATH] = "";
        DWORD size = sizeof text;
        if (key.QueryText(name, text, &size) != ERROR_SUCCESS)
            return "<none>";
        return text;
    }

    TempFolder folder;
    std::string path;
    FakeSetListView view;
    SetList sets;
    FakeSetFileWindow window;
    FakeSettingsWindow settings;
    SetFileSession session;
};

}

TEST_CASE("set-file session: start reads the remembered file or asks for one")
{
    SessionFixture f;
    SUBCASE("nothing remembered")
    {
        CHECK(f.session.Start() == 0);
        CHECK(f.session.Path().empty());
        CHECK(f.sets.Count() == 0);
    }
    SUBCASE("a remembered file")
    {
        WriteWholeFile(f.path, TwoSets);
        f.Remember(f.path);
        CHECK(f.session.Start() == 1);
        CHECK(f.session.Path() == f.path);
        REQUIRE(f.sets.Count() == 2);
        CHECK(std::string(f.sets.NameAt(0)) == "Top");
        CHECK(std::string(f.view.fields.source) == "C:\\top");
    }
    CHECK(f.window.asked.empty());
}

TEST_CASE("set-file session: closing with a known file saves it through the safe writer")
{
    SessionFixture f;
    WriteWholeFile(f.path, TwoSets);
    SetWriteTicks(f.path, TicksOf(2020, 1, 2));
    f.Remember(f.path);
    REQUIRE(f.session.Start() == 1);
    BoxRecorder boxes;

    SUBCASE("unchanged bytes leave the file and its time alone")
    {
        f.session.SaveOnClose();
        CHECK(ReadWholeFile(f.path) == TwoSets);
        CHECK(WriteTicks(f.path) == TicksOf(2020, 1, 2));
    }
    SUBCASE("a renamed and edited set is saved although typing dropped the selection")
    {
        f.view.Type("Renamed", "C:\\new", "D:\\new");
        f.view.selection = -1;
        f.session.SaveOnClose();
        std::string saved = ReadWholeFile(f.path);
        CHECK(saved.find("[Renamed]\r\nSRC=\"C:\\new\"\r\nDST=\"D:\\new\"\r\nDELETE=Y") != std::string::npos);
        CHECK(saved.find("[Top]") == std::string::npos);
        CHECK(saved.find("[Old]") == 0);
    }
    SUBCASE("a write that fails keeps the old file and says so once")
    {
        f.view.Type("Renamed", "C:\\new", "D:\\new");
        {
            LockedPath held(f.path);
            REQUIRE(held.Held());
            f.session.SaveOnClose();
        }
        REQUIRE(boxes.boxes.size() == 1);
        CHECK(boxes.LastText() == "Can't write the set file '" + f.path + "'. The file was left as it was.");
        CHECK(ReadWholeFile(f.path) == TwoSets);
    }
    CHECK(f.window.asked.empty());
    CHECK(f.Stored("Ini file") == f.path);
}

TEST_CASE("set-file session: a save onto a full disk keeps the old file and says so")
{
    SessionFixture f;
    std::string disk = f.folder / "disk";
    MakeFolder(disk);
    SmallDisk small(disk, "64k");
    if (!small.Mounted()) {
        std::printf("SKIPPED: set file on a full disk (mounting a tmpfs needs root)\n");
        return;
    }
    std::string path = disk + "\\sets.ini";
    WriteWholeFile(path, TwoSets);
    f.Remember(path);
    REQUIRE(f.session.Start() == 1);
    // Whatever fits of the filler fills the disk.
    WriteWholeFile(disk + "\\filler", std::string(1024 * 1024, 'f'));
    f.view.Type("Renamed", "C:\\new", "D:\\new");
    BoxRecorder boxes;
    f.session.SaveOnClose();
    REQUIRE(boxes.boxes.size() == 1);
    CHECK(boxes.LastText() == "Can't write the set file '" + path + "'. The file was left as it was.");
    CHECK(ReadWholeFile(path) == TwoSets);
    CHECK(FolderNames(disk) == std::vector<std::string>{"filler", "sets.ini"});
    CHECK(f.Stored("Ini file") == path);
}

TEST_CASE("set-file session: closing without a known file asks where to save")
{
    SessionFixture f;
    REQUIRE(f.session.Start() == 0);
    f.sets.NewSet();
    SUBCASE("cancelled: no set file, but the window's settings are kept")
    {
        f.window.choices = {{0, ""}};
        f.session.SaveOnClose();
        CHECK(FolderNames(f.folder.Path()).empty());
        CHECK(f.Stored("Ini file") == "<none>");
        DWORD width = 0;
        ERegKey key(HKEY_CURRENT_USER);
        REQUIRE(key.Open(SettingsKeyPath) == ERROR_SUCCESS);
        CHECK(key.QueryNumber("Width", &width) == ERROR_SUCCESS);
        CHECK(width == 488);
    }
    SUBCASE("chosen: the sets are written there and it becomes the set file")
    {
        f.window.choices = {{1, f.path}};
        f.session.SaveOnClose();
        CHECK(ReadWholeFile(f.path).find("[New set]\r\n") == 0);
        CHECK(f.session.Path() == f.path);
        CHECK(f.Stored("Ini file") == f.path);
        CHECK(f.window.repaints == 1);
    }
    // A second close (the window's destruction after an earlier one) asks nothing.
    f.session.SaveOnClose();
    CHECK(f.window.asked == std::vector<SetFileWindow::Dialog>{SetFileWindow::SaveDialog});
}

TEST_CASE("set-file session: a set file that could not be read is not replaced")
{
    SessionFixture f;
    WriteWholeFile(f.path, TwoSets);
    f.Remember(f.path);
    BoxRecorder boxes;
    {
        LockedPath held(f.path);
        REQUIRE(held.Held());
        CHECK(f.session.Start() == 1);
    }
    CHECK(f.sets.Count() == 0);

    SUBCASE("closing with the empty list leaves it silently")
    {
        f.session.SaveOnClose();
        CHECK(boxes.boxes.empty());
        CHECK(f.window.asked.empty());
    }
    SUBCASE("sets made meanwhile are offered another file")
    {
        f.view.Type("Made", "C:\\m", "D:\\m");
        std::string other = f.folder / "other.ini";
        f.window.choices = {{1, other}};
        f.session.SaveOnClose();
        REQUIRE(boxes.boxes.size() == 1);
        CHECK(boxes.LastText().find("could not be read, so it was left as it was") != std::string::npos);
        CHECK(ReadWholeFile(other).find("[Made]\r\n") == 0);
        CHECK(f.Stored("Ini file") == other);
    }
    CHECK(ReadWholeFile(f.path) == TwoSets);
}

TEST_CASE("set-file session: an \"Ini file\" naming a folder or a device is neither read nor written")
{
    SessionFixture f;
    // Relative names resolve here: nothing may appear in it.
    TempFolder current;
    char previous[MAX_PATH];
    GetCurrentDirectoryA(sizeof previous, previous);
    REQUIRE(SetCurrentDirectoryA(current.Path().c_str()));
    BoxRecorder boxes;
    std::string named;
    SUBCASE("a folder")
    {
        named = f.folder / "a folder.ini";
        MakeFolder(named);
    }
    SUBCASE("CON") { named = "CON"; }
    SUBCASE("NUL") { named = "NUL"; }
    SUBCASE("COM1") { named = "COM1"; }
    SUBCASE("a device name with a folder and an extension") { named = f.folder / "nul.ini"; }
    f.Remember(named);
    CHECK(f.session.Start() == 1);
    CHECK(f.sets.Count() == 0);
    f.view.Type("Made", "C:\\m", "D:\\m");
    f.window.choices = {{1, f.path}};
    f.session.SaveOnClose();
    REQUIRE(boxes.boxes.size() == 1);
    CHECK(boxes.LastText() == "The set file '" + named +
                                  "' could not be read, so it was left as it was. Choose a file for the sets.");
    CHECK(ReadWholeFile(f.path).find("[Made]\r\n") == 0);
    CHECK(f.Stored("Ini file") == f.path);
    CHECK(FolderNames(current.Path()).empty());
    SetCurrentDirectoryA(previous);
}

TEST_CASE("set-file session: the File menu's open and save")
{
    SessionFixture f;
    WriteWholeFile(f.path, TwoSets);
    REQUIRE(f.session.Start() == 0);
    f.sets.NewSet();

    // Cancelled dialogs change nothing.
    f.window.choices = {{0, ""}, {0, ""}};
    f.session.Open();
    f.session.SaveAs();
    CHECK(f.session.Path().empty());
    CHECK(f.sets.Count() == 1);
    CHECK(f.window.repaints == 0);

    f.window.choices = {{1, f.path}};
    f.session.Open();
    CHECK(f.sets.Count() == 2);
    CHECK(f.session.Path() == f.path);

    // A name that does not exist yet opens as an empty list and is created
    // when the window closes.
    std::string fresh = f.folder / "fresh.ini";
    f.window.choices = {{1, fresh}};
    f.session.Open();
    CHECK(f.sets.Count() == 0);
    f.view.Type("First", "C:\\a", "D:\\a");
    f.session.SaveOnClose();
    CHECK(ReadWholeFile(fresh).find("[First]\r\n") == 0);
    CHECK(ReadWholeFile(f.path) == TwoSets);
    CHECK(f.window.asked == std::vector<SetFileWindow::Dialog>{SetFileWindow::OpenDialog, SetFileWindow::SaveDialog,
                                                                SetFileWindow::OpenDialog, SetFileWindow::OpenDialog});
}

TEST_CASE("set-file session: Japanese dialog texts")
{
    FlagScope japanese(EJapanese, 1);
    CHECK(std::string(SetFileDialogTitle(SetFileWindow::OpenDialog)) ==
          "\x90\xDD\x92\xE8\xCC\xA7\xB2\xD9\x82\xF0\x8A\x4A\x82\xAD");
    CHECK(std::string(SetFileDialogTitle(SetFileWindow::SaveDialog)) ==
          "\x90\xDD\x92\xE8\xCC\xA7\xB2\xD9\x82\xCC\x95\xDB\x91\xB6");
    const char* filter = SetFileDialogFilter();
    CHECK(std::string(filter) == "INI\xCC\xA7\xB2\xD9(*.ini)");
    CHECK(std::string(filter + std::strlen(filter) + 1) == "*.ini");
}
