#include <doctest/doctest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "BoxRecorder.h"
#include "DialogAnswer.h"
#include "EApplication.h"
#include "EFlags.h"
#include "FakeRunWindow.h"
#include "FakeSetListView.h"
#include "FlagScope.h"
#include "PostTarget.h"
#include "RunControl.h"
#include "SetList.h"
#include "TempFolder.h"
#include "TestProcess.h"
#include "TreeBuilder.h"

namespace {

const char SuccessCaption[] = "Result of fodler update";

// A window, its set list and the run control over a source and a
// destination folder, as the main window wires them.
struct RunFixture {
    RunFixture() : application("AppTests", 0, nullptr), sets(&view), control(window, sets)
    {
        EApplication::instance = GetModuleHandleA(nullptr);
        source = folder / "src";
        destination = folder / "dst";
        MakeFolder(source);
    }

    // The fields as the user left them.
    void Type(const char* name, const std::string& from, const std::string& to, int deleteFlag = 0,
              int forceFlag = 1)
    {
        view.Type(name, from.c_str(), to.c_str());
        view.fields.deleteFlag = deleteFlag;
        view.fields.forceFlag = forceFlag;
    }

    int CountRows(const char* operation) const
    {
        int n = 0;
        for (const std::string& row : window.rows)
            n += row.compare(0, std::strlen(operation) + 1, std::string(operation) + " ") == 0;
        return n;
    }

    EApplication application;
    TempFolder folder;
    std::string source;
    std::string destination;
    FakeRunWindow window;
    FakeSetListView view;
    SetList sets;
    RunControl control;
};

void MakeFiles(const std::string& folder, int count)
{
    for (int i = 0; i < count; ++i)
        MakeFile(folder + "\\f" + std::to_string(1000 + i) + ".txt", "file " + std::to_string(i));
}

const std::vector<std::string> CleanFrame = {"lock", "clear", "status:", "status:", "unlock"};

}

TEST_CASE("run control: DOWN commits the fields, runs, reports success and unlocks")
{
    RunFixture f;
    MakeFile(f.source + "\\a.txt", "a");
    MakeFile(f.source + "\\sub\\b.txt", "b");
    MakeFolder(f.destination);
    f.Type("Photos", f.source, f.destination);
    DialogAnswer dialogs({IDOK});

    CHECK(f.control.RunForward() == 1);

    REQUIRE(dialogs.seen.size() == 1);
    CHECK(dialogs.seen[0].caption == SuccessCaption);
    CHECK(dialogs.seen[0].text == "Successed update files");
    CHECK(ReadWholeFile(f.destination + "\\sub\\b.txt") == "b");
    CHECK(f.CountRows("copy") == 2);
    CHECK(f.window.Frame() == CleanFrame);
    CHECK(f.view.names == std::vector<std::string>{"Photos"});
    CHECK(f.view.selection == 0);
    CHECK_FALSE(f.control.Running());
}

TEST_CASE("run control: a missing source refuses the run but keeps the edited set")
{
    RunFixture f;
    std::string missing = f.folder / "nowhere";
    SUBCASE("no such folder") {}
    SUBCASE("a file, not a folder")
    {
        missing = f.folder / "plain.txt";
        MakeFile(missing, "x");
    }
    f.Type("Edited", missing, f.destination);
    DialogAnswer dialogs({IDOK});

    CHECK(f.control.RunForward() == 0);

    REQUIRE(dialogs.seen.size() == 1);
    CHECK(dialogs.seen[0].caption == "Confirm source folder");
    CHECK(dialogs.seen[0].text == "Source folder '" + missing + "' is not exist.");
    CHECK(dialogs.seen[0].icon);
    CHECK(f.window.events.empty());   // never locked, log untouched
    CHECK_FALSE(PathExists(f.destination));
    CHECK(f.view.names == std::vector<std::string>{"Edited"});
}

TEST_CASE("run control: a missing destination is created one level deep only with Yes")
{
    RunFixture f;
    MakeFile(f.source + "\\a.txt", "a");
    BoxRecorder boxes;

    SUBCASE("No leaves everything as it was")
    {
        f.Type("S", f.source, f.destination);
        DialogAnswer dialogs({IDNO});
        CHECK(f.control.RunForward() == 0);
        REQUIRE(dialogs.seen.size() == 1);
        CHECK(dialogs.seen[0].caption == "Confirm destination folder");
        CHECK(dialogs.seen[0].text == "Destination folder '" + f.destination +
                                          "' is not exist. Are you sure you want to create destination folder");
        CHECK(dialogs.seen[0].icon);
        CHECK_FALSE(PathExists(f.destination));
        CHECK(f.window.events.empty());
    }
    SUBCASE("Yes creates it and the run goes on without asking again")
    {
        f.Type("S", f.source, f.destination);
        DialogAnswer dialogs({IDYES, IDOK});
        CHECK(f.control.RunForward() == 1);
        REQUIRE(dialogs.seen.size() == 2);
        CHECK(dialogs.seen[1].caption == SuccessCaption);
        CHECK(ReadWholeFile(f.destination + "\\a.txt") == "a");
        CHECK(boxes.boxes.empty());
    }
    SUBCASE("Yes on a destination whose parent is missing fails with the path message")
    {
        std::string deep = f.folder / "no\\such";
        f.Type("S", f.source, deep);
        DialogAnswer dialogs({IDYES});
        CHECK(f.control.RunForward() == 0);
        CHECK(dialogs.seen.size() == 1);
        REQUIRE(boxes.boxes.size() == 1);
        CHECK(boxes.LastText() == "Can't find the path specified. '" + deep + "'");
        CHECK(f.window.events.empty());
    }
}

TEST_CASE("run control: unsafe folder pairs are refused before anything is created")
{
    RunFixture f;
    BoxRecorder boxes;
    DialogAnswer dialogs({});
    SUBCASE("destination inside the source")
    {
        std::string inside = f.source + "\\copy";
        f.Type("S", f.source, inside);
        CHECK(f.control.RunForward() == 0);
        CHECK_FALSE(PathExists(inside));
        REQUIRE(boxes.boxes.size() == 1);
        CHECK(boxes.LastText().find("one lies inside the other") != std::string::npos);
    }
    SUBCASE("a relative destination")
    {
        f.Type("S", f.source, "relative");
        CHECK(f.control.RunForward() == 0);
        REQUIRE(boxes.boxes.size() == 1);
        CHECK(boxes.LastText().find("is not a full path") != std::string::npos);
    }
    CHECK(dialogs.seen.empty());   // not even the create question
    CHECK(f.window.events.empty());
}

TEST_CASE("run control: UP runs from the destination field's folder with the same options")
{
    RunFixture f;
    MakeFile(f.destination + "\\new.txt", "from dst", TicksOf(2026, 5, 1));
    MakeFile(f.source + "\\new.txt", "old", TicksOf(2020, 5, 1));
    MakeFile(f.source + "\\orphan.txt", "gone");
    f.Type("S", f.source, f.destination, 1, 1);
    DialogAnswer dialogs({IDOK});

    CHECK(f.control.RunBackward() == 1);

    CHECK(ReadWholeFile(f.source + "\\new.txt") == "from dst");
    CHECK_FALSE(PathExists(f.source + "\\orphan.txt"));
    CHECK(PathExists(f.destination + "\\new.txt"));
    CHECK(f.window.questions.empty());   // FORCE on asks nothing
    CHECK(dialogs.seen.size() == 1);
}

TEST_CASE("run control: file confirmations reach the window while FORCE is off")
{
    RunFixture f;
    MakeFile(f.source + "\\a.txt", "new", TicksOf(2026, 5, 1));
    MakeFile(f.destination + "\\a.txt", "old", TicksOf(2020, 5, 1));
    MakeFile(f.destination + "\\extra.txt", "x");
    f.Type("S", f.source, f.destination, 1, 0);
    std::vector<int> confirming;
    f.window.onRow = [&](int) { confirming.push_back(f.control.Confirming()); };

    SUBCASE("Yes to both")
    {
        f.window.answers = {IDYES, IDYES};
        DialogAnswer dialogs({IDOK});
        CHECK(f.control.RunForward() == 1);
        CHECK(f.window.questions == std::vector<std::string>{"replace " + f.destination + "\\a.txt with " +
                                                                  f.source + "\\a.txt",
                                                              "delete " + f.destination + "\\extra.txt"});
        CHECK(confirming == std::vector<int>{1, 1});
        CHECK(ReadWholeFile(f.destination + "\\a.txt") == "new");
        CHECK_FALSE(PathExists(f.destination + "\\extra.txt"));
        CHECK(dialogs.seen.size() == 1);
    }
    SUBCASE("Cancel stops the run without the success report")
    {
        f.window.answers = {IDCANCEL};
        DialogAnswer dialogs({});
        CHECK(f.control.RunForward() == 0);
        CHECK(ReadWholeFile(f.destination + "\\a.txt") == "old");
        CHECK(PathExists(f.destination + "\\extra.txt"));
        CHECK(dialogs.seen.empty());
        CHECK(f.window.Frame() == std::vector<std::string>{"lock", "clear", "ask", "status:", "status:", "unlock"});
    }
    CHECK(f.control.Confirming() == 0);
}

TEST_CASE("run control: Abort stops between two files and the next run starts clean")
{
    RunFixture f;
    MakeFiles(f.source, 120);
    MakeFolder(f.destination);
    f.Type("S", f.source, f.destination);
    PostTarget button;
    // The click is queued like a real one and reaches the run through its pump.
    f.window.onRow = [&](int row) {
        if (row == 5)
            button.Post([&] { f.control.AbortRun(); });
    };
    {
        DialogAnswer dialogs({});
        CHECK(f.control.RunForward() == 0);
        CHECK(dialogs.seen.empty());
    }
    CHECK(button.Dispatched() == 1);
    int copied = static_cast<int>(FolderNames(f.destination).size());
    CHECK(copied == f.CountRows("copy"));   // nothing after the stop
    CHECK(copied >= 5);
    CHECK(copied < 120);
    CHECK(f.window.Frame() == CleanFrame);

    f.window.events.clear();
    f.window.onRow = nullptr;
    DialogAnswer dialogs({IDOK});
    CHECK(f.control.RunForward() == 1);
    CHECK(FolderNames(f.destination).size() == 120);
    CHECK(f.CountRows("copy") == 120 - copied);
    CHECK(dialogs.seen.size() == 1);
}

TEST_CASE("run control: no run starts inside another")
{
    RunFixture f;
    MakeFiles(f.source, 40);
    MakeFolder(f.destination);
    f.Type("S", f.source, f.destination);
    std::vector<int> nested;
    PostTarget button;
    SUBCASE("a queued click or an accelerator dispatched by the run's pump")
    {
        f.window.onRow = [&](int row) {
            if (row == 1)
                button.Post([&] { nested.push_back(f.control.RunForward()); });
            if (row == 2)
                nested.push_back(f.control.RunBackward());
        };
        DialogAnswer dialogs({IDOK});
        CHECK(f.control.RunForward() == 1);
        CHECK(nested == std::vector<int>{0, 0});
    }
    SUBCASE("a message handled while the success report or a folder question is open")
    {
        RemoveTree(f.destination);
        DialogAnswer dialogs({IDYES, IDOK});
        dialogs.onShow = [&] { nested.push_back(f.control.RunForward()); };
        CHECK(f.control.RunForward() == 1);
        CHECK(nested == std::vector<int>{0, 0});
        CHECK(dialogs.seen.size() == 2);
    }
    int locks = 0;
    for (const std::string& e : f.window.events)
        locks += e == "lock";
    CHECK(locks == 1);
}

TEST_CASE("run control: closing the window during a run leaves the window alone")
{
    RunFixture f;
    MakeFiles(f.source, 120);
    MakeFolder(f.destination);
    f.Type("S", f.source, f.destination);
    PostTarget closeBox;
    // What the window's destruction does: stop the run, then end the loop.
    f.window.onRow = [&](int row) {
        if (row == 3)
            closeBox.Post([&] {
                f.control.WindowClosing();
                f.window.closed = true;
                PostQuitMessage(7);
            });
    };
    DialogAnswer dialogs({});

    CHECK(f.control.RunForward() == 0);

    CHECK(closeBox.Dispatched() == 1);
    CHECK(f.window.afterClose == 0);   // no row, status, unlock or dialog after it
    CHECK(dialogs.seen.empty());
    CHECK(static_cast<int>(FolderNames(f.destination).size()) == f.CountRows("copy"));
    CHECK(f.control.RunForward() == 0);   // a late click starts nothing
    CHECK(f.window.afterClose == 0);
    MSG quit;
    REQUIRE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));   // the loop still ends
    CHECK(quit.wParam == 7);
}

TEST_CASE("run control: Japanese folder questions and success report")
{
    FlagScope japanese(EJapanese, 1);
    FlagScope doubleByte(EDoubleByte, 1);
    RunFixture f;
    std::string missing = f.folder / "nowhere";
    DialogAnswer dialogs({IDOK, IDNO, IDOK});

    f.Type("S", missing, f.destination);
    CHECK(f.control.RunForward() == 0);
    f.Type("S", f.source, f.destination);
    CHECK(f.control.RunForward() == 0);
    MakeFolder(f.destination);
    CHECK(f.control.RunForward() == 1);

    REQUIRE(dialogs.seen.size() == 3);
    CHECK(dialogs.seen[2].caption == "\x8C\x8B\x89\xCA\x82\xCC\x95\xF1\x8D\x90");
    CHECK(dialogs.seen[2].text == "\xB1\xAF\xCC\xDF\xC3\xDE\xB0\xC4\x82\xCD\x90\xB3\x8F\xED\x82\xC9\x8F\x49\x97"
                                  "\xB9\x82\xB5\x82\xDC\x82\xB5\x82\xBD");
    CHECK(dialogs.seen[0].caption == "\x93\x5D\x91\x97\x8C\xB3\xCC\xAB\xD9\xC0\xDE\x82\xCC\x8A\x6D\x94\x46");
    CHECK(dialogs.seen[0].text == "\x93\x5D\x91\x97\x8C\xB3\xCC\xAB\xD9\xC0\xDE '" + missing +
                                      "' \x82\xAA\x91\xB6\x8D\xDD\x82\xB5\x82\xDC\x82\xB9\x82\xF1");
    CHECK(dialogs.seen[1].caption == "\x93\x5D\x91\x97\x90\xE6\xCC\xAB\xD9\xC0\xDE\x82\xCC\x8A\x6D\x94\x46");
    CHECK(dialogs.seen[1].text.find(f.destination) != std::string::npos);
    CHECK(dialogs.seen[1].text.compare(0, 11, "\x93\x5D\x91\x97\x90\xE6\xCC\xAB\xD9\xC0\xDE") == 0);

    // The engine's refusal speaks Japanese too.
    BoxRecorder boxes;
    f.Type("S", f.source, f.source + "\\in");
    CHECK(f.control.RunForward() == 0);
    CHECK(boxes.LastText().compare(0, 7, "\xCC\xAB\xD9\xC0\xDE '") == 0);
    CHECK(dialogs.seen.size() == 3);
}
