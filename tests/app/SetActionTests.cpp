#include <doctest/doctest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "BoxRecorder.h"
#include "DialogScript.h"
#include "EBitmapButton.h"
#include "EDropDownCombo.h"
#include "EFlags.h"
#include "ELineEdit.h"
#include "EPushButton.h"
#include "MainWindowFixture.h"
#include "SetFileSession.h"
#include "SyncSet.h"
#include "TestProcess.h"
#include "TextListMaker.h"
#include "TreeBuilder.h"

// What the window does with the set shown when the user leaves it: New,
// another file, Save As, a run, closing; and the names and paths it refuses.

namespace {

typedef DialogScript S;
typedef std::vector<std::string> Texts;

// The set's source as the list holds it, or "(none)".
std::string StoredSource(MainWindow& w, const std::string& name)
{
    for (int i = 0; i < w.Sets().Count(); ++i)
        if (name == w.Sets().NameAt(i))
            return w.Sets().RecordAt(i).Source();
    return "(none)";
}

const int OpenCommand = MainWindow::OpenSetFileCommand;
const int SaveCommand = MainWindow::SaveSetFileCommand;

}

TEST_CASE("set actions: New, Save As and a run keep the set being typed")
{
    struct Case {
        const char* label;
        bool file;          // a set "Work" is stored, else a new file
        const char* typedName;
        int action;         // 0 New, 1 Save As, 2 DOWN
        Texts names;
    } cases[] = {
        {"New on a new file", false, "Fresh", 0, {"New set", "Fresh"}},
        {"New after editing a stored set", true, "Work", 0, {"New set", "Work"}},
        {"New after renaming a stored set", true, "Renamed", 0, {"New set", "Renamed"}},
        {"Save As after editing a stored set", true, "Work", 1, {"Work"}},
        {"DOWN on a new file", false, "Fresh", 2, {"Fresh"}},
    };
    for (const Case& c : cases) {
        INFO(c.label);
        MainWindowFixture f;
        // A new file: the "Open INI file" the window shows first is cancelled.
        std::unique_ptr<S> start(c.file ? nullptr : new S({S::Press(IDCANCEL)}));
        f.Open(c.file ? SetText("Work", "C:\\work", "D:\\work") : "");
        f.Pump();
        start.reset();
        MainWindow& w = *f.window;
        f.Type(w.NameBox(), c.typedName);
        f.Type(w.SourceField(), "C:\\typed");
        f.Type(w.DestinationField(), "D:\\typed");
        std::string copy = f.folder / "copy.ini";
        // Save As names the copy; the run is refused ("Confirm source folder").
        S script;
        if (c.action > 0)
            script.Add(c.action == 1 ? S::ChooseFile(copy) : S::Press(IDOK));
        if (c.action == 0)
            f.Click(w.NewButton());
        else if (c.action == 1)
            SendMessageA(f.handle, WM_COMMAND, SaveCommand, 0);
        else
            f.Click(w.DownButton());
        f.Pump();
        CHECK(f.Names() == c.names);
        CHECK(StoredSource(w, c.typedName) == "C:\\typed");
        if (c.action == 1)
            CHECK(ReadWholeFile(copy) == SetText("Work", "C:\\typed", "D:\\typed"));
    }
}

TEST_CASE("set actions: Open asks about changes not saved: Yes saves, No drops, Cancel stays (both languages)")
{
    struct Case {
        const char* label;
        bool edit;
        int answer;
        bool stored;   // the edit reached the set file
        Texts names;   // afterwards
    } cases[] = {
        {"Yes", true, IDYES, true, {"Other"}},
        {"No", true, IDNO, false, {"Other"}},
        {"Cancel", true, IDCANCEL, false, {"Work"}},
        {"nothing changed: no question", false, IDCANCEL, false, {"Other"}},
    };
    for (const Case& c : cases) {
        INFO(c.label);
        const std::string original = SetText("Work", "C:\\work", "D:\\work");
        MainWindowFixture f;
        f.Open(original);
        std::string other = f.folder / "other.ini";
        WriteWholeFile(other, SetText("Other", "C:\\o", "D:\\o"));
        if (c.edit)
            f.Type(f.window->SourceField(), "C:\\edited");
        BoxRecorder boxes(c.answer);
        S open({S::ChooseFile(other)});
        SendMessageA(f.handle, WM_COMMAND, OpenCommand, 0);
        f.Pump();
        CHECK(f.Names() == c.names);
        CHECK(ReadWholeFile(f.setFile) == (c.stored ? SetText("Work", "C:\\edited", "D:\\work") : original));
        REQUIRE(boxes.boxes.size() == (c.edit ? 1u : 0u));
        if (c.edit) {
            CHECK(boxes.boxes[0].style == (MB_YESNOCANCEL | MB_ICONQUESTION));
            CHECK(boxes.boxes[0].caption == (EJapanese ? "\x8a\x6d\x94\x46" : "Confirmation"));
            CHECK(boxes.LastText().find(f.setFile) != std::string::npos);
        }
        CHECK(f.window->Session().Path() == (c.answer == IDCANCEL && c.edit ? f.setFile : other));
    }
}

TEST_CASE("set actions: a name the set file cannot hold is refused, kept in the box, and stops the close (both languages)")
{
    // Which names the set file holds is the set-line case's table. "\x81\x5b"
    // is a Shift-JIS long vowel mark, whose second byte is '[': whole in a
    // Japanese system, a bracket in any other.
    struct Case {
        const char* name;
        bool refused;
    } cases[] = {
        {"[Work] \"new\"", true},
        {"Work (new) {2}", false},
        {"\x83\x58\x81\x5b\x83\x68", !EJapanese},
    };
    for (const Case& c : cases) {
        INFO(c.name);
        MainWindowFixture f;
        f.Open(SetText("Work", "C:\\work", "D:\\work"));
        MainWindow& w = *f.window;
        f.Type(w.NameBox(), c.name);
        f.Type(w.SourceField(), "C:\\typed");
        BoxRecorder boxes;
        f.Click(w.NewButton());
        std::string newSet = EJapanese ? "\x90\x56\x82\xb5\x82\xa2\xbe\xaf\xc4" : "New set";
        CHECK(f.Names() == (c.refused ? Texts{"Work"} : Texts{newSet, c.name}));
        REQUIRE(boxes.boxes.size() == (c.refused ? 1u : 0u));
        if (!c.refused) {
            f.Close();
            continue;
        }
        CHECK(boxes.LastText().find(std::string("'") + c.name + "'") != std::string::npos);
        CHECK(boxes.LastText().find("\" [ ]") != std::string::npos);
        CHECK(f.Text(w.NameBox()) == c.name);
        CHECK(f.Text(w.SourceField()) == "C:\\typed");

        // Closing is refused the same way; a good name then closes and saves.
        f.Close();
        CHECK(IsWindow(f.handle));
        CHECK(boxes.boxes.size() == 2);
        f.Type(w.NameBox(), "Fixed");
        f.Close();
        CHECK(!IsWindow(f.handle));
        CHECK(ReadWholeFile(f.setFile) == SetText("Fixed", "C:\\typed", "D:\\work"));
    }
}

TEST_CASE("set actions: Save As and Open refuse a name the code page cannot show (both languages)")
{
    for (int command : {SaveCommand, OpenCommand}) {
        INFO(command);
        MainWindowFixture f;
        f.Open(SetText("Work", "C:\\work", "D:\\work"));
        std::string folder = f.folder.Path();
        // "Łodz.ini", which a best fit would write as "Lodz.ini".
        std::wstring odd = std::wstring(folder.begin(), folder.end()) + L"\\\x0141odz.ini";
        if (command == OpenCommand)
            CloseHandle(CreateFileW(odd.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
        BoxRecorder boxes;
        S script({S::ChooseWideFile(odd), S::Press(IDCANCEL)});
        SendMessageA(f.handle, WM_COMMAND, command, 0);
        f.Pump();
        CHECK(script.Captions().size() == 2);
        REQUIRE(boxes.boxes.size() == 1);
        CHECK(boxes.LastText().find("?odz.ini") != std::string::npos);
        CHECK(!PathExists(f.folder / "Lodz.ini"));
        CHECK(f.window->Session().Path() == f.setFile);
        CHECK(f.Names() == Texts{"Work"});
        f.Close();
        CHECK(ReadWholeFile(f.setFile) == SetText("Work", "C:\\work", "D:\\work"));
    }
}

TEST_CASE("set actions: from the click on DOWN the set-list commands wait, a queued Del included")
{
    MainWindowFixture f;
    MakeFile(f.source + "\\a.txt", "a");
    f.Open(SetText("Other", "C:\\o", "D:\\o") + SetText("Run", f.source, f.destination));
    // While "Confirm destination folder" is open, Del and New are clicked
    // and dispatched by the question's own loop; then No.
    bool posted = false;
    S script({[&](HWND dialog) {
        if (!posted) {
            posted = true;
            for (int command : {MainWindow::DeleteSetCommand, MainWindow::NewSetCommand})
                PostMessageA(f.handle, WM_COMMAND, command, 0);
            return false;
        }
        return S::Press(IDNO)(dialog);
    }});
    f.Click(f.window->DownButton());
    CHECK(script.Finished());
    CHECK(f.Names() == Texts{"Run", "Other"});
    // No: nothing made, the run never started.
    CHECK(!PathExists(f.destination));
    CHECK(f.LogRows() == 0);
    S remove({S::Press(IDYES)});
    f.Click(f.window->DeleteButton());
    CHECK(f.Names() == Texts{"Other"});
    f.Close();
}
