#ifndef OMBREL_MAINWINDOWFIXTURE_H
#define OMBREL_MAINWINDOWFIXTURE_H

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "EApplication.h"
#include "EOwnerDrawListView.h"
#include "MainWindow.h"
#include "ProgramSettings.h"
#include "TempFolder.h"

// One set as the set file holds it.
std::string SetText(const std::string& name, const std::string& source, const std::string& destination,
                    const char* flags = "DELETE=N\r\nDOSTIME=N\r\nFORCE=Y\r\nEXCLUDEOBJ=N\r\n");

// The program's window in this process over an empty settings key: built as
// the program builds it, driven by messages, closed the way a user closes it.
struct MainWindowFixture {
    MainWindowFixture();
    ~MainWindowFixture();

    // With text, writes it to setFile and remembers that as the program's.
    void Open(const std::string& setFileText = "");
    // Dispatches what is queued; a quit message is noted, not dispatched.
    void Pump();
    // What the mouse does to a button: press and release inside, then the
    // posted click is dispatched (a run happens in here).
    void Click(EWindow* button);
    // Chooses the name box's entry as the list does when the user picks it.
    void ChooseName(int index);
    void Type(EWindow* control, const std::string& text) { SetWindowTextA(control->Handle(), text.c_str()); }
    void Close();

    std::vector<std::string> Names() const;
    std::string Text(EWindow* control) const;
    int LogRows() const { return window->Log()->RowCount(); }
    int CountRows(const char* operation) const;
    bool Enabled(EWindow* control) const { return IsWindowEnabled(control->Handle()) != FALSE; }
    bool MenuEnabled(int command) const;

    // Called inside a run each time the log gets a complete row, with the
    // number of rows: a test acts there at a known point of the run, however
    // fast the run goes.
    std::function<void(int)> onRow;
    WNDPROC logProcedure = nullptr;

    EApplication application;
    TempFolder folder;
    std::string setFile = folder / "sets.ini";
    // Folders for a run, apart from the set file's.
    TempFolder trees;
    std::string source = trees / "src";
    std::string destination = trees / "dst";
    EAttributeList list;
    std::unique_ptr<MainWindow> window;
    HWND handle = nullptr;
    bool quit = false;
};

#endif
