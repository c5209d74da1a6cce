#include "MainWindowFixture.h"

#include <commctrl.h>

#include "DialogScript.h"
#include "EDropDownCombo.h"
#include "EListRows.h"
#include "EOwnerDrawListView.h"
#include "EStartup.h"
#include "TestProcess.h"
#include "TreeBuilder.h"

namespace {

const char FixtureProperty[] = "OmbrelTestFixture";

LRESULT CALLBACK WatchLog(HWND list, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* fixture = static_cast<MainWindowFixture*>(GetPropA(list, FixtureProperty));
    // The log is a virtual list: a row has come when the control's count
    // grows, which it does once per row.
    bool grows = message == LVM_SETITEMCOUNT &&
                 static_cast<LRESULT>(wParam) > CallWindowProcA(fixture->logProcedure, list, LVM_GETITEMCOUNT, 0, 0);
    LRESULT result = CallWindowProcA(fixture->logProcedure, list, message, wParam, lParam);
    if (grows && fixture->onRow)
        fixture->onRow(fixture->LogRows());
    return result;
}

}

std::string SetText(const std::string& name, const std::string& source, const std::string& destination,
                    const char* flags)
{
    return "[" + name + "]\r\nSRC=\"" + source + "\"\r\nDST=\"" + destination + "\"\r\n" + flags + "\r\n";
}

MainWindowFixture::MainWindowFixture() : application("Ombrel", 0, nullptr)
{
    EApplication::instance = GetModuleHandleA(nullptr);
    // The language of this test process, as the program's start finds it.
    EStartProgram();
    RemoveProgramSettings();
}

MainWindowFixture::~MainWindowFixture()
{
    // A test that stopped early leaves the window open: whatever closing
    // asks is cancelled.
    DialogScript cancelAll;
    window.reset();
    Pump();
    RemoveProgramSettings();
}

void MainWindowFixture::Open(const std::string& setFileText)
{
    if (!setFileText.empty()) {
        WriteWholeFile(setFile, setFileText);
        RememberSetFile(setFile);
    }
    window.reset(new MainWindow(&application, "Ombrel", MainWindow::Attributes(list, "Ombrel")));
    handle = window->Handle();
    HWND log = window->Log()->Handle();
    SetPropA(log, FixtureProperty, this);
    logProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(log, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchLog)));
    ShowWindow(handle, SW_SHOWNORMAL);
    UpdateWindow(handle);
}

void MainWindowFixture::Pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quit = true;
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void MainWindowFixture::Click(EWindow* button)
{
    SendMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageA(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    Pump();
}

void MainWindowFixture::ChooseName(int index)
{
    HWND box = window->NameBox()->Handle();
    SendMessageA(box, CB_SETCURSEL, index, 0);
    SendMessageA(handle, WM_COMMAND, MAKEWPARAM(0, CBN_SELENDOK), reinterpret_cast<LPARAM>(box));
    Pump();
}

void MainWindowFixture::Close()
{
    PostMessageA(handle, WM_CLOSE, 0, 0);
    Pump();
}

std::vector<std::string> MainWindowFixture::Names() const
{
    std::vector<std::string> names;
    EDropDownCombo* box = window->NameBox();
    for (int i = 0; i < box->ItemCount(); ++i) {
        char text[MAX_PATH] = "";
        box->ItemText(i, text, sizeof text);
        names.push_back(text);
    }
    return names;
}

std::string MainWindowFixture::Text(EWindow* control) const
{
    char text[MAX_PATH * 2] = "";
    GetWindowTextA(control->Handle(), text, sizeof text);
    return text;
}

int MainWindowFixture::CountRows(const char* operation) const
{
    int count = 0;
    for (int row = 0; row < LogRows(); ++row)
        count += Utf8Text(EListCellText(window->Log()->Handle(), row, 0)) == operation;
    return count;
}

bool MainWindowFixture::MenuEnabled(int command) const
{
    UINT state = GetMenuState(GetMenu(handle), command, MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}
