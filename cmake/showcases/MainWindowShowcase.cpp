// Shows the program's window for screenshots:
//   main_window_showcase window <marker>
//   main_window_showcase run <create> <progress> <replace> <success markers>
//   main_window_showcase unsaved <marker>
//   main_window_showcase refused <marker>
//   main_window_showcase failed <marker>
//   main_window_showcase changed <marker>
//   main_window_showcase names <marker>
//   main_window_showcase safety <preview marker> <guard marker>
//   main_window_showcase million <marker>
// At each moment worth a picture it writes the window's rectangle
// ("x y width height") to the next marker file and waits until the file is
// deleted. "window" shows a few sets; "run" offers to create the missing
// destination, copies a sample tree, then runs again with questions: the
// replace question and the success report. "unsaved" edits a set and
// opens another file: the question about the changes. "refused" types a
// name the set file cannot hold and clicks "New". "failed" closes the window over
// a read-only set file: the question of a failed save; "changed" closes it
// after another program changed the set file: the question before it is
// overwritten. "names" runs a set whose files have names of other code pages
// and an emoji: the log once the run is over. "safety" previews a run that
// copies, replaces and deletes: the planned log with the summary; then
// runs a set whose source is empty: the deletion guard's question.
// "million" logs a million copies, numbered in their names: the log at its
// last row.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "DialogScript.h"
#include "EBitmapButton.h"
#include "ECheckBox.h"
#include "EDropDownCombo.h"
#include "EFlags.h"
#include "ELineEdit.h"
#include "EListRows.h"
#include "EOwnerDrawListView.h"
#include "EProgram.h"
#include "EPushButton.h"
#include "MainWindowFixture.h"
#include "ShowcaseMarker.h"
#include "TestProcess.h"
#include "TreeBuilder.h"
#include "WidePath.h"

namespace {

typedef DialogScript S;

// Writes the rectangle, then keeps the window alive until the picture is taken.
void Shot(HWND window, const char* marker, HWND other = nullptr)
{
    WriteWindowMarker(window, marker, other);
    DWORD start = GetTickCount();
    while (!MarkerTaken(marker) && GetTickCount() - start < 60000) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        Sleep(20);
    }
}

std::string SampleSets()
{
    return SetText("Projects", "C:\\work\\projects", "E:\\backup\\projects",
                   "DELETE=N\r\nDOSTIME=N\r\nFORCE=N\r\nEXCLUDEOBJ=Y\r\n") +
           SetText("Photos", "C:\\Users\\Public\\Pictures", "E:\\backup\\pictures",
                   "DELETE=N\r\nDOSTIME=Y\r\nFORCE=N\r\nEXCLUDEOBJ=N\r\n") +
           SetText("Documents", "C:\\Users\\Public\\Documents", "E:\\backup\\documents",
                   "DELETE=Y\r\nDOSTIME=N\r\nFORCE=N\r\nEXCLUDEOBJ=N\r\n");
}

// Closes the window once the set file cannot be written (it is read-only),
// or after another program changed it; the question is photographed and
// cancelled, then the window closes for good.
void ShowCloseQuestion(bool changed, const char* marker)
{
    MainWindowFixture f;
    f.Open(SetText("Projects", "C:\\work\\projects", "E:\\backup\\projects") +
           SetText("Photos", "C:\\Users\\Public\\Pictures", "E:\\backup\\pictures"));
    f.Pump();
    f.Type(f.window->SourceField(), "C:\\Users\\Public\\Documents");
    if (changed)
        WriteWholeFile(f.setFile, ReadWholeFile(f.setFile) + SetText("Music", "C:\\music", "E:\\music"));
    else
        SetFileAttributesA(f.setFile.c_str(), FILE_ATTRIBUTE_READONLY);
    S question({[&](HWND dialog) {
        Shot(f.handle, marker, dialog);
        return S::Press(IDCANCEL)(dialog);
    }});
    f.Close();
    SetFileAttributesA(f.setFile.c_str(), FILE_ATTRIBUTE_NORMAL);
    S overwrite({S::Press(IDYES)});
    f.Close();
}

void ShowSets(const char* marker)
{
    MainWindowFixture f;
    f.Open(SampleSets());
    f.Pump();
    Shot(f.handle, marker);
    f.Close();
}

// The sample sets with an edit: what is typed, then the action's box.
void ShowQuestion(const char* marker, bool refusedName)
{
    MainWindowFixture f;
    f.Open(SampleSets());
    f.Pump();
    S script({[&](HWND dialog) {
        Shot(f.handle, marker, dialog);
        return S::Press(refusedName ? IDOK : IDCANCEL)(dialog);
    }});
    if (refusedName) {
        f.Type(f.window->NameBox(), "[Work] \"new\"");
        f.Click(f.window->NewButton());
        f.Type(f.window->NameBox(), "Documents");
    } else {
        f.Type(f.window->SourceField(), "C:\\Users\\Public\\Documents\\2026");
        SendMessageA(f.handle, WM_COMMAND, MainWindow::OpenSetFileCommand, 0);
        f.Pump();
    }
    f.Close();
}

void ShowRun(const char* create, const char* progress, const char* replace, const char* success)
{
    TempFolder trees;
    std::string source = trees / "Documents";
    std::string destination = trees / "Backup";
    const char* folders[] = {"letters", "reports", "invoices", "notes"};
    for (const char* folder : folders)
        for (int i = 1; i <= 12; ++i)
            MakeFile(source + "\\" + folder + "\\" + folder + "-" + std::to_string(100 + i) + ".txt", "text");
    MainWindowFixture f;
    f.Open(SetText("Documents", source, destination, "DELETE=Y\r\nDOSTIME=N\r\nFORCE=Y\r\nEXCLUDEOBJ=N\r\n"));
    f.Pump();

    // The first run copies everything; the picture is taken half-way.
    bool shown = false;
    S first({[&](HWND dialog) { Shot(f.handle, create); return S::Press(IDYES)(dialog); }, S::Press(IDOK)});
    f.onRow = [&](int rows) {
        if (!shown && rows == 24) {
            shown = true;
            Shot(f.handle, progress);
        }
    };
    f.Click(f.window->DownButton());
    f.onRow = nullptr;

    // Newer sources now, and the questions on.
    for (int i = 1; i <= 3; ++i)
        MakeFile(source + "\\reports\\reports-" + std::to_string(100 + i) + ".txt", "newer text",
                 TicksOf(2030, 1, i));
    f.window->Option(2)->SetChecked(0);
    S second({[&](HWND dialog) { Shot(f.handle, replace); return S::Press(20)(dialog); },
              [&](HWND dialog) {
                  // The log's picture may follow the last rows by up to a second.
                  WaitUntil([&] { return !f.window->Log()->PictureBehind(); }, 2000);
                  Shot(f.handle, success);
                  return S::Press(IDOK)(dialog);
              }});
    f.Click(f.window->DownButton());
    f.Close();
}

// A small file made through the wide calls, its folders first.
void MakeWideFile(const std::wstring& path)
{
    for (std::size_t slash = path.find(L'\\', 3); slash != std::wstring::npos; slash = path.find(L'\\', slash + 1))
        CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "text", 4, &written, nullptr);
    CloseHandle(file);
}

void ShowNames(const char* marker)
{
    TempFolder trees;
    std::string source = trees / "Photos";
    std::string destination = trees / "Backup";
    std::wstring from = Widen(source.c_str()), to = Widen(destination.c_str());
    // 日本語.txt, 写真\📷 beach.jpg, café.txt, Straße.txt; 古い.txt only in the
    // destination.
    for (const wchar_t* name : {L"\\\u65E5\u672C\u8A9E.txt", L"\\\u5199\u771F\\\U0001F4F7 beach.jpg",
                                L"\\caf\u00E9.txt", L"\\Stra\u00DFe.txt"})
        MakeWideFile(from + name);
    MakeWideFile(to + L"\\\u53E4\u3044.txt");
    MainWindowFixture f;
    f.Open(SetText("Photos", source, destination, "DELETE=Y\r\nDOSTIME=N\r\nFORCE=Y\r\nEXCLUDEOBJ=N\r\n"));
    // Wide enough for the temporary folder's long paths and the names.
    SetWindowPos(f.handle, nullptr, 0, 0, 1000, 420, SWP_NOMOVE | SWP_NOZORDER);
    for (int column : {1, 2})
        SendMessageA(f.window->Log()->Handle(), LVM_SETCOLUMNWIDTH, column, 440);
    f.Pump();
    S report({S::Press(IDOK)});
    f.Click(f.window->DownButton());
    f.Pump();
    Shot(f.handle, marker);
    f.Close();
}

void ShowSafetyNet(const char* preview, const char* guard)
{
    TempFolder trees;
    std::string source = trees / "Documents";
    std::string destination = trees / "Backup";
    for (const char* name : {"letters\\to the bank.txt", "letters\\to the school.txt", "reports\\2026.txt"})
        MakeFile(source + "\\" + name, "new text", TicksOf(2026, 11, 1));
    MakeFile(destination + "\\reports\\2026.txt", "old text", TicksOf(2026, 1, 1));
    for (const char* name : {"old notes.txt", "drafts\\draft 1.txt", "drafts\\draft 2.txt"})
        MakeFile(destination + "\\" + name, "old");
    std::string flags = "DELETE=Y\r\nDOSTIME=N\r\nFORCE=Y\r\nEXCLUDEOBJ=N\r\n";
    std::string empty = trees / "Removable disk";
    MakeFolder(empty);
    MainWindowFixture f;
    f.Open(SetText("Unplugged", empty, destination, flags.c_str()) +
           SetText("Documents", source, destination, flags.c_str()));
    SetWindowPos(f.handle, nullptr, 0, 0, 900, 420, SWP_NOMOVE | SWP_NOZORDER);
    for (int column : {1, 2})
        SendMessageA(f.window->Log()->Handle(), LVM_SETCOLUMNWIDTH, column, 360);
    f.Pump();
    S summary({[&](HWND dialog) {
        WaitUntil([&] { return !f.window->Log()->PictureBehind(); }, 2000);
        Shot(f.handle, preview, dialog);
        return S::Press(IDOK)(dialog);
    }});
    SendMessageA(f.handle, WM_COMMAND, MainWindow::PreviewDownCommand, 0);
    f.Pump();
    f.ChooseName(1);
    S question({[&](HWND dialog) {
        Shot(f.handle, guard, dialog);
        return S::Press(IDNO)(dialog);
    }});
    f.Click(f.window->DownButton());
    f.Close();
}

// A million rows through the run's view of the window, a message dispatched
// every 16 rows as a run does.
void ShowMillion(const char* marker)
{
    MainWindowFixture f;
    f.Open(SampleSets());
    RunWindow& run = *f.window;
    run.LockForRun();
    for (int row = 1; row <= 1000000; ++row) {
        std::wstring name = L"\\Photos\\2026\\album" + std::to_wstring(row / 200) + L"\\photo" + std::to_wstring(row) + L".jpg";
        run.LogOperation("copy", L"C:" + name, L"D:\\Backup" + name);
        if (row % 16 == 0)
            f.Pump();
    }
    run.UnlockAfterRun();
    f.Pump();
    Shot(f.handle, marker);
    f.Close();
}

}

int app::main(int argc, char* argv[])
{
    std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "window" && argc > 2)
        ShowSets(argv[2]);
    else if ((mode == "unsaved" || mode == "refused") && argc > 2)
        ShowQuestion(argv[2], mode == "refused");
    else if (mode == "run" && argc > 5)
        ShowRun(argv[2], argv[3], argv[4], argv[5]);
    else if ((mode == "failed" || mode == "changed") && argc > 2)
        ShowCloseQuestion(mode == "changed", argv[2]);
    else if (mode == "names" && argc > 2)
        ShowNames(argv[2]);
    else if (mode == "safety" && argc > 3)
        ShowSafetyNet(argv[2], argv[3]);
    else if (mode == "million" && argc > 2)
        ShowMillion(argv[2]);
    return 1;
}
