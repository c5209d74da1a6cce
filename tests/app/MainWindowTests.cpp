#include <doctest/doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "BoxRecorder.h"
#include "ConfirmTexts.h"
#include "DialogScript.h"
#include "EBitmapButton.h"
#include "ECheckBox.h"
#include "EDropDownCombo.h"
#include "EFlags.h"
#include "EListRows.h"
#include "ELineEdit.h"
#include "EPushButton.h"
#include "LockedPath.h"
#include "MainWindowFixture.h"
#include "SetFileSession.h"
#include "StatusLine.h"
#include "EStatusBar.h"
#include "TestProcess.h"
#include "TextListMaker.h"
#include "TreeBuilder.h"
#include "TreeSnapshot.h"
#include "resource.h"

namespace {

typedef DialogScript S;
typedef std::vector<std::string> Texts;

const char SuccessCaption[] = "Result of fodler update";
const char ReplaceCaption[] = "Confirm File Replace";
const char DeleteCaption[] = "Confirm File Delete";
const char GuardCaption[] = "Confirm mass deletion";
const char PermanentCaption[] = "Confirm permanent deletion";

// Captions as the window shows them in the language of this process.
std::string FailedCaption()
{
    return EJapanese ? "\x90\xdd\x92\xe8\xcc\xa7\xb2\xd9\x82\xcc\x95\xdb\x91\xb6\x82\xcc\x8e\xb8\x94\x73" : "Set file not saved";
}
std::string ChangedCaption()
{
    return EJapanese ? "\x90\xdd\x92\xe8\xcc\xa7\xb2\xd9\x82\xcc\x95\xcf\x8d\x58" : "Set file changed";
}
std::string SaveCaption()
{
    return EJapanese ? "\x90\xDD\x92\xE8\xCC\xA7\xB2\xD9\x82\xCC\x95\xDB\x91\xB6" : "Save INI file";
}

void MakeReadOnly(const std::string& path, bool readOnly = true)
{
    SetFileAttributesA(path.c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}

bool IsDefaultButton(HWND box, int id)
{
    return (GetWindowLongA(GetDlgItem(box, id), GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
}

}

TEST_CASE("main window: first start asks for a set file; a set made then is saved where the closing dialog says")
{
    for (bool chooses : {true, false}) {
        CAPTURE(chooses);
        MainWindowFixture f;
        S script({S::Press(IDCANCEL)});
        f.Open();
        // "Open INI file" opens by itself once the loop runs; Cancel leaves
        // everything empty.
        f.Pump();
        REQUIRE(WaitUntil([&] { return script.Finished(); }));
        CHECK(script.Captions() == Texts{"Open INI file"});
        CHECK(f.window->Session().Path().empty());
        f.Type(f.window->NameBox(), "Fresh");
        f.Type(f.window->SourceField(), "C:\\from");
        f.Type(f.window->DestinationField(), "D:\\to");

        // The dialog runs while the window is being destroyed; cancelled, no
        // set file is made, but the window's settings are kept.
        std::string chosen = f.folder / "fresh.ini";
        S closing({chooses ? S::ChooseFile(chosen) : S::Press(IDCANCEL)});
        f.Close();
        CHECK(closing.Captions() == Texts{"Save INI file"});
        CHECK(f.quit);
        CHECK(ReadWholeFile(chosen) ==
              (chooses ? SetText("Fresh", "C:\\from", "D:\\to", "DELETE=N\r\nDOSTIME=N\r\nFORCE=N\r\nEXCLUDEOBJ=N\r\n")
                       : ""));
        CHECK(SettingText("Ini file") == (chooses ? chosen : "<none>"));
        CHECK(SettingNumber("Width") == 488);
    }
}

TEST_CASE("main window: a full session through the window")
{
    MainWindowFixture f;
    std::string other = f.trees / "other";
    f.Open(SetText("Other", other, other) + SetText("Work", f.source, f.destination));
    CHECK(f.Names() == Texts{"Work", "Other"});

    // Three older files to replace, two orphans to delete.
    unsigned long long old = TicksOf(2020, 1, 1);
    unsigned long long recent = TicksOf(2024, 1, 1);
    for (const char* name : {"r1.txt", "r2.txt", "r3.txt"}) {
        MakeFile(f.source + "\\" + name, "new", recent);
        MakeFile(f.destination + "\\" + name, "old", old);
    }
    MakeFile(f.source + "\\sub\\fresh.txt", "fresh");
    MakeFile(f.destination + "\\orphan1.txt", "x");
    MakeFile(f.destination + "\\orphan2.txt", "y");
    f.window->Option(0)->SetChecked(1);   // delete what the source lacks
    f.window->Option(2)->SetChecked(0);   // ask before replacing and deleting

    // No on the first replacement, Yes to All covers the other two; Yes and
    // No on the two deletions.
    S script({S::Press(IDNO), S::Press(IDYESTOALL), S::Press(IDYES), S::Press(IDNO), S::Press(IDOK)});
    f.Click(f.window->DownButton());
    CHECK(script.Captions() == Texts{ReplaceCaption, ReplaceCaption, DeleteCaption, DeleteCaption, SuccessCaption});
    int replaced = 0;
    for (const char* name : {"r1.txt", "r2.txt", "r3.txt"})
        replaced += ReadWholeFile(f.destination + "\\" + name) == "new";
    CHECK(replaced == 2);
    CHECK(ReadWholeFile(f.destination + "\\sub\\fresh.txt") == "fresh");
    CHECK(PathExists(f.destination + "\\orphan1.txt") + PathExists(f.destination + "\\orphan2.txt") == 1);
    CHECK(f.CountRows("copy") == 3);
    CHECK(f.CountRows("del") == 1);
    // Each No leaves a row; "sub" is made.
    CHECK(f.CountRows("skip") == 2);
    CHECK(f.CountRows("mkdir") == 1);
    CHECK(f.LogRows() == 7);

    // UP brings back what only the destination has.
    MakeFile(f.destination + "\\back.txt", "back");
    f.window->Option(0)->SetChecked(0);
    f.window->Option(2)->SetChecked(1);
    S up({S::Press(IDOK)});
    f.Click(f.window->UpButton());
    CHECK(up.Captions() == Texts{SuccessCaption});
    CHECK(ReadWholeFile(f.source + "\\back.txt") == "back");

    // Files another program holds are asked about, Skip the default button;
    // Skip all spares the second question. What each answer does is the
    // engine's held-file case.
    MakeFile(f.source + "\\held1.txt", "held");
    MakeFile(f.source + "\\held2.txt", "held");
    LockedPath held1(f.source + "\\held1.txt");
    LockedPath held2(f.source + "\\held2.txt");
    REQUIRE((held1.Held() && held2.Held()));
    bool skipIsDefault = false;
    S skip({S::Look([&](HWND box) { skipIsDefault = IsDefaultButton(box, IDIGNORE); }, S::Press(IDSKIPALL)),
            S::Press(IDOK)});
    f.Click(f.window->DownButton());
    CHECK(skip.Captions() == Texts{"File error", SuccessCaption});
    CHECK(skipIsDefault);
    CHECK(f.CountRows("skipped") == 2);
    CHECK(!PathExists(f.destination + "\\held1.txt"));
    CHECK(!PathExists(f.destination + "\\held2.txt"));

    // The frame's size and the log's column widths are kept at close.
    RECT frame;
    GetWindowRect(f.handle, &frame);
    MoveWindow(f.handle, frame.left, frame.top, 700, 600, TRUE);
    ListView_SetColumnWidth(f.window->Log()->Handle(), 1, 222);
    ListView_SetColumnWidth(f.window->Log()->Handle(), 2, 150);
    f.Close();
    CHECK(f.quit);
    CHECK(ReadWholeFile(f.setFile) == SetText("Other", other, other) + SetText("Work", f.source, f.destination));
    CHECK(SettingText("Ini file") == f.setFile);
    CHECK(SettingNumber("Width") == 700);
    CHECK(SettingNumber("Height") == 600);
    CHECK(SettingNumber("Src width") == 222);
    CHECK(SettingNumber("Dst width") == 150);
    CHECK(SettingNumber("Left") >= 0);
}

TEST_CASE("main window: only Abort works during a run and stops it between files; closing in the next run saves once")
{
    MainWindowFixture f;
    for (int i = 0; i < 300; ++i)
        MakeFile(f.source + "\\f" + std::to_string(1000 + i) + ".txt", "file " + std::to_string(i));
    MakeFolder(f.destination);
    f.Open(SetText("Big", f.source, f.destination));

    // Looked at as the first row comes, pressed as the twentieth comes.
    std::vector<bool> during;
    S script;
    f.onRow = [&](int rows) {
        MainWindow& w = *f.window;
        if (rows == 20)
            SendMessageA(w.AbortButton()->Handle(), BM_CLICK, 0, 0);
        if (rows != 1)
            return;
        for (int command : {101, 102, 103, 901})
            during.push_back(f.MenuEnabled(command));
        for (EWindow* control : std::vector<EWindow*>{w.NameBox(), w.NewButton(), w.DeleteButton(), w.SourceField(),
                                                      w.DestinationField(), w.SourceFolderButton(),
                                                      w.DestinationFolderButton(), w.UpButton(), w.DownButton(),
                                                      w.Option(0), w.Option(1), w.Option(2), w.Option(3)})
            during.push_back(f.Enabled(control));
        CHECK(f.Enabled(w.AbortButton()));
        CHECK(GetFocus() == w.AbortButton()->Handle());
        // A second run asked for meanwhile is ignored.
        f.Click(w.UpButton());
        SendMessageA(f.handle, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                     reinterpret_cast<LPARAM>(w.DownButton()->Handle()));
    };
    f.Click(f.window->DownButton());
    f.onRow = nullptr;
    CHECK(during == std::vector<bool>(17, false));
    CHECK(f.LogRows() == 20);
    CHECK(FolderNames(f.destination).size() == 20);
    CHECK(script.seen.empty());
    for (int command : {101, 102, 103, 901})
        CHECK(f.MenuEnabled(command));
    CHECK(f.Enabled(f.window->Option(3)));
    CHECK(!f.Enabled(f.window->AbortButton()));

    // The next run starts on a clean log, or its tenth row never comes. The
    // close saves the edits made before the run, and leaves the window alone.
    f.Type(f.window->NameBox(), "Renamed");
    f.onRow = [&](int rows) {
        if (rows == 10)
            PostMessageA(f.handle, WM_CLOSE, 0, 0);
    };
    f.Click(f.window->DownButton());
    CHECK(!IsWindow(f.handle));
    CHECK(script.seen.empty());
    Texts copied = FolderNames(f.destination);
    CHECK(copied.size() > 20);
    CHECK(copied.size() < 300);
    // Neither the abort nor the close leaves a file half-written.
    for (const std::string& name : copied)
        CHECK(ReadWholeFile(f.destination + "\\" + name) == ReadWholeFile(f.source + "\\" + name));
    CHECK(ReadWholeFile(f.setFile) == SetText("Renamed", f.source, f.destination));
    // The run is over and nothing of it is left to come.
    CHECK(!f.window->Runs().Running());
    f.Pump();
    CHECK(f.quit);
}

TEST_CASE("main window: a question ended by a close, its own end or the session's end is Cancel")
{
    enum Ending { CloseRequest, DialogDestroyed, SessionEnds };
    for (std::string caption : {ReplaceCaption, DeleteCaption, GuardCaption, PermanentCaption})
        for (Ending ending : {CloseRequest, DialogDestroyed, SessionEnds}) {
            CAPTURE(caption);
            CAPTURE(ending);
            MainWindowFixture f;
            MakeFolder(f.source);
            // An older file to replace, or an orphan to delete: one the
            // Recycle Bin refuses (a trailing dot) is asked about again before
            // it goes for good. An empty source has the deletion guard ask.
            bool permanent = caption == PermanentCaption;
            if (caption == ReplaceCaption)
                MakeFile(f.source + "\\notes.txt", "new", TicksOf(2024, 1, 1));
            if (caption != GuardCaption) {
                MakeFile(f.source + "\\same.txt", "s", TicksOf(2021, 1, 1));
                MakeFile(f.destination + "\\same.txt", "s", TicksOf(2021, 1, 1));
            }
            REQUIRE(MakeFileW(LongForm(f.destination) + (permanent ? L"\\notes." : L"\\notes.txt"), "the user's",
                              TicksOf(2020, 1, 1)));
            TreeSnapshot before = Snapshot(f.destination);
            f.Open(SetText("Ask", f.source, f.destination,
                           permanent ? "DELETE=Y\r\nDOSTIME=N\r\nFORCE=Y\r\nEXCLUDEOBJ=N\r\n"
                                     : "DELETE=Y\r\nDOSTIME=N\r\nFORCE=N\r\nEXCLUDEOBJ=N\r\n"));

            S script({[&](HWND dialog) {
                if (ending == CloseRequest)
                    PostMessageA(f.handle, WM_CLOSE, 0, 0);
                else if (ending == DialogDestroyed)
                    DestroyWindow(dialog);
                else
                    SendMessageA(f.handle, WM_ENDSESSION, TRUE, 0);
                // A Yes after the session's end comes too late to count.
                return ending != SessionEnds || S::Press(IDYES)(dialog);
            }});
            f.Click(f.window->DownButton());
            // Cancel on keeping a file the bin refused is its No: the run
            // goes on without it to its report.
            bool goesOn = permanent && ending == DialogDestroyed;
            CHECK(script.Captions() == (goesOn ? Texts{caption, SuccessCaption} : Texts{caption}));
            CHECK(Changes(before, Snapshot(f.destination)).empty());
            CHECK(!f.window->Runs().Running());
            CHECK(IsWindow(f.handle) == (ending != CloseRequest));
            if (ending == DialogDestroyed)
                CHECK(f.Enabled(f.window->DownButton()));
            f.Close();
            CHECK(f.quit);
        }
}

TEST_CASE("main window: the name box, New and Del, and edits kept at close")
{
    MainWindowFixture f;
    f.Open(SetText("Second", "C:\\s2", "D:\\s2") + SetText("First", "C:\\s1", "D:\\s1"));
    MainWindow& w = *f.window;

    // Typing a new name, then picking another set, keeps the typed name for
    // the set being left.
    f.Type(w.NameBox(), "First renamed");
    SendMessageA(f.handle, WM_COMMAND, MAKEWPARAM(0, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(w.NameBox()->Handle()));
    f.Type(w.SourceField(), "C:\\edited");
    f.ChooseName(1);
    CHECK(f.Names() == Texts{"Second", "First renamed"});
    CHECK(f.Text(w.NameBox()) == "Second");
    f.ChooseName(1);
    CHECK(f.Text(w.SourceField()) == "C:\\edited");

    f.Click(w.NewButton());
    CHECK(f.Names().size() == 3);
    // "Del" asks first; No keeps the set.
    for (int answer : {IDNO, IDYES}) {
        S asked({S::Press(answer)});
        f.Click(w.DeleteButton());
        REQUIRE(asked.seen.size() == 1);
        CHECK(asked.seen[0].text.rfind("Remove the set '", 0) == 0);
        CHECK(f.Names().size() == (answer == IDNO ? 3u : 2u));
    }
    CHECK(f.Names() == Texts{"First renamed", "Second"});

    // Renamed and given a folder by its button after the last commit: Exit
    // still saves them.
    f.Type(w.NameBox(), "Last name");
    SendMessageA(w.NameBox()->Handle(), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    f.Type(w.NameBox(), "Last name");
    std::string chosen = f.trees / "chosen";
    MakeFolder(chosen);
    S folder({S::ChooseFolder(chosen)});
    f.Click(w.DestinationFolderButton());
    CHECK(f.Text(w.DestinationField()) == chosen);
    SendMessageA(f.handle, WM_COMMAND, MainWindow::ExitCommand, 0);
    f.Pump();
    CHECK(!IsWindow(f.handle));
    CHECK(ReadWholeFile(f.setFile) == SetText("Second", "C:\\s2", "D:\\s2") +
                                          SetText("Last name", "C:\\edited", chosen));
}

// What the run's host hands the window: the log and the status bar keep a
// name the code page lacks whole, an error box gets it with '?', and nothing
// comes once the window is closing.
TEST_CASE("main window: the run's host shows real names; the status text waits out a burst and clears at once (both languages)")
{
    MainWindowFixture f;
    f.Open(SetText("Wide", "C:\\a", "C:\\b"));
    SyncHost& host = f.window->Runs().Host();
    auto shown = [&] { return f.window->StatusBar()->GetText(0); };
    // 日本語.txt, or 📷.txt in Japanese.
    std::wstring path = EJapanese ? L"C:\\a\\\U0001F4F7.txt" : L"C:\\a\\\u65E5\u672C\u8A9E.txt";
    host.LogOperation("copy", path, path);
    CHECK(EListCellText(f.window->Log()->Handle(), 0, 1) == path);
    CHECK(EListCellText(f.window->Log()->Handle(), 0, 2) == path);
    host.ShowStatus(path);
    CHECK(shown() == path);
    DWORD start = GetTickCount();
    host.ShowStatus(L"C:\\a\\b");
    host.ShowStatus(L"C:\\a\\c");
    // Within the delay the first text stays (a slow machine may be past it).
    if (GetTickCount() - start < StatusLine::Delay)
        CHECK(shown() == path);
    REQUIRE(WaitUntil([&] { return shown() == L"C:\\a\\c"; }, 5000));

    // The end of a run clears the bar at once, and nothing waiting comes back.
    host.ShowStatus(L"C:\\a\\d");
    host.ShowStatus(L"");
    CHECK(shown().empty());
    start = GetTickCount();
    WaitUntil([&] { return GetTickCount() - start > 3 * StatusLine::Delay; }, 5000);
    CHECK(shown().empty());

    BoxRecorder boxes;
    host.ShowError(L"Stopped at " + path);
    CHECK(boxes.LastText() == "Stopped at " + ShownInCodePage(path));
    f.Close();
    host.ShowError(L"after the close");
    CHECK(boxes.boxes.size() == 1);
}

TEST_CASE("main window: a missing source is refused, a missing destination made one level deep only with Yes (both languages)")
{
    MainWindowFixture f;
    f.Open(SetText("Gone", f.source, f.destination));
    S script({S::Press(IDOK)});
    f.Click(f.window->DownButton());
    REQUIRE(script.seen.size() == 1);
    CHECK(script.seen[0].text.find(f.source) != std::string::npos);
    CHECK(!PathExists(f.destination));

    // A destination inside the source is refused before anything is made.
    MakeFile(f.source + "\\a.txt", "a");
    f.Type(f.window->DestinationField(), f.source + "\\inside");
    BoxRecorder boxes;
    f.Click(f.window->DownButton());
    REQUIRE(boxes.boxes.size() == 1);
    CHECK(boxes.LastText().find(f.source + "\\inside") != std::string::npos);
    CHECK(!PathExists(f.source + "\\inside"));

    // A parent that is missing too is not made: the path is named.
    std::string deep = f.trees / "no\\such";
    f.Type(f.window->DestinationField(), deep);
    S deeper({S::Press(IDYES)});
    f.Click(f.window->DownButton());
    REQUIRE(deeper.seen.size() == 1);
    CHECK(deeper.seen[0].text.find(deep) != std::string::npos);
    REQUIRE(boxes.boxes.size() == 2);
    CHECK(boxes.LastText().find(deep) != std::string::npos);
    CHECK(!PathExists(f.trees / "no"));

    // Yes makes it and the run goes on to its report.
    f.Type(f.window->DestinationField(), f.destination);
    S yes({S::Press(IDYES), S::Press(IDOK)});
    f.Click(f.window->DownButton());
    REQUIRE(yes.seen.size() == 2);
    // The report's counts: ｺﾋﾟｰ in Japanese.
    CHECK(yes.seen[1].text.rfind(EJapanese ? "\xba\xcb\xdf\xb0: 1\n" : "Copied: 1\nReplaced: 0\nDeleted: 0\n", 0) == 0);
    CHECK(ReadWholeFile(f.destination + "\\a.txt") == "a");
    CHECK(boxes.boxes.size() == 2);
    f.Close();
}

namespace {

// A close answered Cancel: one box of this caption, naming the set file, and
// the window stays. Returns the box's text.
std::string CancelClose(MainWindowFixture& f, const std::string& caption)
{
    S cancel({S::Press(IDCANCEL)});
    f.Close();
    CHECK(IsWindow(f.handle));
    REQUIRE(cancel.seen.size() == 1);
    CHECK(cancel.seen[0].caption == caption);
    CHECK(cancel.seen[0].text.find("'" + f.setFile + "'") != std::string::npos);
    return cancel.seen[0].text;
}

// The window closed over a set file that cannot be written: Cancel keeps it
// open; Save As, its dialog cancelled, asks again; then another file works.
// The set file keeps its bytes all along. The reason is the English text.
void CheckSaveAsUntilWritten(const std::string& fault, const std::string& reason)
{
    CAPTURE(fault);
    std::string kept = SetText("Kept", "C:\\k", "D:\\k");
    MainWindowFixture f;
    std::string disk = f.folder / "disk";
    MakeFolder(disk);
    std::unique_ptr<SmallDisk> small;
    if (fault.find("disk") != std::string::npos) {
        small.reset(new SmallDisk(disk, "64k"));
        REQUIRE(small->Mounted());
        f.setFile = disk + "\\sets.ini";
    }
    f.Open(fault == "over 32 MB" ? kept + std::string(33 << 20, ';') + "\r\n" : kept);
    f.Type(f.window->NameBox(), "Edited");
    std::unique_ptr<LockedPath> held;
    if (fault == "read-only file")
        MakeReadOnly(f.setFile);
    else if (fault == "held")
        held.reset(new LockedPath(f.setFile));
    else if (fault == "full disk")
        WriteWholeFile(disk + "\\filler", std::string(1 << 20, 'f'));
    else if (fault == "read-only disk")
        REQUIRE(small->MakeReadOnly());

    std::string text = CancelClose(f, FailedCaption());
    // Each reason has its Japanese form beside it in one table; the caption
    // is this box's Japanese read-back.
    if (!EJapanese)
        CHECK(text.find(reason) != std::string::npos);

    std::string other = f.folder / "other.ini";
    S saveAs({S::Press(IDYES), S::Press(IDCANCEL), S::Press(IDYES), S::ChooseFile(other)});
    f.Close();
    CHECK(!IsWindow(f.handle));
    CHECK(saveAs.Captions() == Texts{FailedCaption(), SaveCaption(), FailedCaption(), SaveCaption()});
    CHECK(ReadWholeFile(other) == SetText("Edited", "C:\\k", "D:\\k"));
    CHECK(SettingText("Ini file") == other);
    held.reset();
    CHECK(ReadWholeFile(f.setFile).compare(0, kept.size(), kept) == 0);
    CHECK(FolderNames(f.folder.Path()) ==
          (small ? Texts{"disk", "other.ini"} : Texts{"disk", "other.ini", "sets.ini"}));
    if (small)
        CHECK(FolderNames(disk) == (fault == "full disk" ? Texts{"filler", "sets.ini"} : Texts{"sets.ini"}));
    if (fault == "read-only file")
        CHECK((FileAttributes(f.setFile) & FILE_ATTRIBUTE_READONLY) != 0);
}

}

TEST_CASE("main window: a set file that cannot be written at close is offered Save As until a write works (both languages)")
{
    CheckSaveAsUntilWritten("read-only file", "The file is read-only.");
    CheckSaveAsUntilWritten("held", "Another program is using the file.");
    CheckSaveAsUntilWritten("over 32 MB", "The file is larger than 32 MB, so it was left as it was.");
}

TEST_CASE("main window: a set file on a full or read-only disk is offered Save As (both languages) (needs root)")
{
    CheckSaveAsUntilWritten("full disk", "The disk is full.");
    CheckSaveAsUntilWritten("read-only disk",
                            "Writing there is not allowed (a read-only disk or folder, or no permission).");
}

TEST_CASE("main window: a set file changed on disk since it was read is not overwritten without asking (both languages)")
{
    std::string mine = SetText("Mine", "C:\\k", "D:\\k");
    struct Case {
        const char* change;
        int answer;   // IDYES Overwrite, IDNO Save As
    } cases[] = {
        {"other bytes, same size and time", IDYES},
        {"the time alone", IDNO},
        {"more bytes", IDNO},
        {"deleted", IDYES},
    };
    for (const Case& c : cases) {
        std::string change = c.change;
        CAPTURE(change);
        MainWindowFixture f;
        f.Open(SetText("Kept", "C:\\k", "D:\\k"));
        f.Type(f.window->NameBox(), "Mine");
        // Another program, after the window read the file.
        unsigned long long ticks = WriteTicks(f.setFile);
        if (change == "other bytes, same size and time")
            MakeFile(f.setFile, SetText("Kent", "C:\\k", "D:\\k"), ticks);
        else if (change == "the time alone")
            SetWriteTicks(f.setFile, TicksOf(2001, 1, 1));
        else if (change == "more bytes")
            MakeFile(f.setFile, ReadWholeFile(f.setFile) + SetText("Theirs", "C:\\t", "D:\\t"));
        else
            REQUIRE(DeleteFileA(f.setFile.c_str()));
        std::string theirs = ReadWholeFile(f.setFile);

        CancelClose(f, ChangedCaption());
        CHECK(ReadWholeFile(f.setFile) == theirs);
        CHECK(PathExists(f.setFile) == (change != "deleted"));

        std::string other = f.folder / "other.ini";
        S answer(c.answer == IDYES ? std::deque<S::Step>{S::Press(IDYES)}
                                   : std::deque<S::Step>{S::Press(IDNO), S::ChooseFile(other)});
        f.Close();
        CHECK(!IsWindow(f.handle));
        CHECK(answer.Captions()[0] == ChangedCaption());
        CHECK(ReadWholeFile(f.setFile) == (c.answer == IDYES ? mine : theirs));
        if (c.answer == IDNO)
            CHECK(ReadWholeFile(other) == mine);
        CHECK(SettingText("Ini file") == (c.answer == IDYES ? f.setFile : other));
    }
}

TEST_CASE("main window: logging off or shutting down saves the sets before Windows may end the session (both languages)")
{
    std::string mine = SetText("Mine", "C:\\k", "D:\\k");
    std::string kept = SetText("Kept", "C:\\k", "D:\\k");
    struct Case {
        const char* label;
        bool readOnly;
        bool query;      // WM_QUERYENDSESSION comes first
        int press;       // the failed save's answer, 0 when none is asked
        LRESULT allowed; // what the query answers
        bool ends;       // WM_ENDSESSION says the session ends
    } cases[] = {
        {"saved, then the session ends", false, true, 0, TRUE, true},
        {"not written, the user cancels", true, true, IDCANCEL, FALSE, false},
        {"not written, the user does not save", true, true, IDNO, TRUE, true},
        {"the session ends without a query", false, false, 0, TRUE, true},
    };
    for (const Case& c : cases) {
        std::string label = c.label;
        CAPTURE(label);
        MainWindowFixture f;
        f.Open(kept);
        f.Type(f.window->NameBox(), "Mine");
        MakeReadOnly(f.setFile, c.readOnly);
        S script(c.press ? std::deque<S::Step>{S::Press(c.press)} : std::deque<S::Step>{});
        // The set file is as it will stay before the query is answered.
        if (c.query) {
            CHECK(SendMessageA(f.handle, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF) == c.allowed);
            CHECK(ReadWholeFile(f.setFile) == (c.readOnly ? kept : mine));
        }
        SendMessageA(f.handle, WM_ENDSESSION, c.ends, ENDSESSION_LOGOFF);
        f.Pump();
        CHECK(script.Captions() == (c.press ? Texts{FailedCaption()} : Texts{}));
        CHECK(ReadWholeFile(f.setFile) == (c.readOnly ? kept : mine));
        CHECK(SettingNumber("Width") == (c.ends ? 488 : -1));
        // A session that goes on: the window works on and saves at close.
        CHECK(IsWindow(f.handle));
        MakeReadOnly(f.setFile, false);
        if (!c.ends) {
            f.Close();
            CHECK(ReadWholeFile(f.setFile) == mine);
        }
    }
}

TEST_CASE("main window: Preview, the deletion guard, the Recycle Bin setting and the menu's language (both languages)")
{
    MainWindowFixture f;
    MakeFile(f.source + "\\new.txt", "n");
    for (const char* name : {"\\x.txt", "\\y.txt", "\\z.txt"})
        MakeFile(f.destination + name, "mine");
    TreeSnapshot before = Snapshot(f.destination);
    f.Open(SetText("Guarded", f.source, f.destination, "DELETE=Y\r\nDOSTIME=N\r\nFORCE=Y\r\nEXCLUDEOBJ=N\r\n"));

    // The preview logs planned rows, ends with its summary and changes nothing.
    S preview({S::Press(IDOK)});
    SendMessageA(f.handle, WM_COMMAND, MainWindow::PreviewDownCommand, 0);
    f.Pump();
    REQUIRE(preview.seen.size() == 1);
    CHECK(preview.seen[0].caption == (EJapanese ? "\xcc\xdf\xda\xcb\xde\xad\xb0" : "Preview"));
    CHECK(preview.seen[0].text.find(EJapanese ? "\xba\xcb\xdf\xb0\x82\xb7\x82\xe9\xcc\xa7\xb2\xd9: 1\n"
                                              : "Files to copy: 1\n") != std::string::npos);
    CHECK(f.CountRows("(plan) del") == 3);
    CHECK(Changes(before, Snapshot(f.destination)).empty());

    // An empty source: the guard asks with No as its default, even with
    // Force on, and the default stops the run before anything changes.
    DeleteFileA((f.source + "\\new.txt").c_str());
    bool noIsDefault = false;
    S guard({S::Look([&](HWND box) { noIsDefault = IsDefaultButton(box, IDNO); }, S::Press(IDNO))});
    f.Click(f.window->DownButton());
    REQUIRE(guard.seen.size() == 1);
    CHECK(noIsDefault);
    CHECK(guard.seen[0].caption == (EJapanese ? "\x91\xe5\x97\xca\x8d\xed\x8f\x9c\x82\xcc\x8a\x6d\x94\x46"
                                              : "Confirm mass deletion"));
    CHECK(guard.seen[0].text.find(EJapanese ? "\x82\xcc\x82\xa4\x82\xbf 3 \x8c\xc2"  // のうち 3 個
                                            : "about to delete 3 of 3 files in '" + f.destination + "'") !=
          std::string::npos);
    CHECK(Changes(before, Snapshot(f.destination)).empty());

    // "Use Recycle Bin" is on until the user turns it off, and is kept.
    HMENU bar = GetMenu(f.handle);
    CHECK((GetMenuState(bar, MainWindow::RecycleBinCommand, MF_BYCOMMAND) & MF_CHECKED) != 0);
    SendMessageA(f.handle, WM_COMMAND, MainWindow::RecycleBinCommand, 0);
    CHECK((GetMenuState(bar, MainWindow::RecycleBinCommand, MF_BYCOMMAND) & MF_CHECKED) == 0);
    CHECK_FALSE(f.window->UseRecycleBin());
    char item[64] = "";
    GetMenuStringA(bar, MainWindow::ExitCommand, item, sizeof item, MF_BYCOMMAND);
    CHECK(std::string(item) == (EJapanese ? "\x8f\x49\x97\xb9(&X)" : "E&xit"));   // 終了(&X)
    CHECK(f.Text(f.window->NewButton()) == (EJapanese ? "\x90\x56\x8b\x4b" : "New"));   // 新規
    f.Close();
    CHECK(SettingNumber("Use Recycle Bin") == 0);
}

TEST_CASE("main window: a set file that cannot be read is neither replaced nor written")
{
    const std::string twoSets = SetText("Old", "C:\\old", "D:\\old") + SetText("Top", "C:\\top", "D:\\top");
    // Relative names resolve here: nothing may appear in it.
    TempFolder current;
    char previous[MAX_PATH];
    GetCurrentDirectoryA(sizeof previous, previous);
    REQUIRE(SetCurrentDirectoryA(current.Path().c_str()));
    // The set file held by another program while it is read, a folder, and
    // device names, alone or with a folder and an extension.
    for (std::string kind : {"held", "a folder.ini", "CON", "NUL", "COM1", "nul.ini"}) {
        for (bool madeSets : {false, true}) {
            MainWindowFixture f;
            std::string named = kind == "held" ? f.setFile
                                : kind.find('.') != std::string::npos ? f.folder / kind : kind;
            if (kind == "a folder.ini")
                MakeFolder(named);
            CAPTURE(named);
            CAPTURE(madeSets);
            RememberSetFile(named);
            std::unique_ptr<LockedPath> held;
            if (kind == "held") {
                WriteWholeFile(named, twoSets);
                held.reset(new LockedPath(named));
                REQUIRE(held->Held());
            }
            f.Open();
            held.reset();
            CHECK(f.window->Sets().Count() == 0);
            BoxRecorder boxes;
            std::string other = f.folder / "other.ini";
            S script;
            if (madeSets) {
                // Offered another file, with the reason.
                f.Type(f.window->NameBox(), "Made");
                script.Add(S::Press(IDYES));
                script.Add(S::ChooseFile(other));
            }
            f.Close();
            CHECK(!IsWindow(f.handle));
            CHECK(boxes.boxes.empty());
            CHECK(script.unexpected == 0);
            if (madeSets) {
                REQUIRE(script.seen.size() == 2);
                CHECK(script.seen[0].text.find("Can't write the set file '" + named +
                                               "'. The file could not be read, so it was left as it was.") == 0);
                CHECK(ReadWholeFile(other).find("[Made]\r\n") == 0);
            }
            CHECK(SettingText("Ini file") == (madeSets ? other : named));
            if (kind == "held")
                CHECK(ReadWholeFile(named) == twoSets);
            CHECK(FolderNames(current.Path()).empty());
        }
    }
    SetCurrentDirectoryA(previous);
}
