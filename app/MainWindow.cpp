#include "MainWindow.h"

#include "EAboutDialog.h"
#include "EBitmapButton.h"
#include "ECheckBox.h"
#include "EDropDownCombo.h"
#include "EFileDialog.h"
#include "EFlags.h"
#include "EFolderBrowser.h"
#include "EFont.h"
#include "ELabel.h"
#include "ELineEdit.h"
#include "EOwnerDrawListView.h"
#include "EPaintDC.h"
#include "EPushButton.h"
#include "FrameSettings.h"
#include "SetFileSession.h"
#include "StatusLine.h"
#include "resource.h"

namespace {

const char MakerKeyPath[] = "Software\\KorvaneSoft";
const char ProductKeyPath[] = "Software\\KorvaneSoft\\KorvaneFolderSync";

}

EAttributeList& MainWindow::Attributes(EAttributeList& list, const char* className)
{
    // No place is given: the system's default, then the stored rectangle.
    return list.Set(EKey::ClassName, className)
        .Set(EKey::SmallIcon, IDI_OMBREL)
        .Set(EKey::Menu, EJapanese ? 2 : 1)
        .Set(EKey::Width, 488)
        .Set(EKey::Height, 480)
        .Set(EKey::Style, WS_THICKFRAME | WS_MAXIMIZEBOX)
        .Set(EKey::ExStyle, WS_EX_CONTROLPARENT)
        .Set(EKey::StatusBar, 1)
        .Set(EKey::Background, COLOR_BTNFACE + 1);
}

MainWindow::MainWindow(EApplication* application, const char* title, EAttributeList& list)
    : EApplicationView(application, title, list), sets(this), runs(*this, sets)
{
    // The failure was reported; without a frame there is nothing to build on.
    if (!Handle())
        return;
    AddMessageHandler(WM_CTLCOLORSTATIC, this, &MainWindow::OnControlColor);
    font.reset(MakeFont(-12));

    about.reset(new EAboutDialog(this, aboutList));
    about->SetKeyPaths(MakerKeyPath, ProductKeyPath);
    AddEventHandler(EKey::MenuCommand, AboutCommand, about.get(), &EDialog::RunHandler);

    folderBrowser.reset(new EFolderBrowser(Handle(), nullptr));
    EAttributeList fileList;
    fileList.Set(EKey::DefaultExtension, "ini")
        .Set(EKey::Flags, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT)
        .Set(EKey::Filter, SetFileDialogFilter());
    fileDialog.reset(new EFileDialog(this, "", fileList));

    CreateControls();
    status.reset(new StatusLine(StatusBar()));
    ConnectCommands();
    AddMessageHandler(WM_PAINT, this, &MainWindow::OnPaint);
    AddMessageHandler(WM_GETMINMAXINFO, this, &MainWindow::OnMinMaxInfo);
    AddMessageHandler(WM_CLOSE, this, &MainWindow::OnClose);
    AddMessageHandler(WM_QUERYENDSESSION, this, &MainWindow::OnQueryEndSession);
    AddMessageHandler(WM_ENDSESSION, this, &MainWindow::OnEndSession);
    SetFonts();

    frameSettings.reset(new FrameSettings(Handle(), log->Handle()));
    session.reset(new SetFileSession(sets, *this, *frameSettings));
    if (!session->Start())
        PostMessageA(Handle(), WM_COMMAND, OpenSetFileCommand, 0);
    NoteShownName();
    SetFocus(nameBox->Handle());
}

MainWindow::~MainWindow()
{
    if (Handle())
        DestroyWindow(Handle());
}

void MainWindow::ConnectCommands()
{
    for (int command : {OpenSetFileCommand, SaveSetFileCommand, ExitCommand, PreviewDownCommand, PreviewUpCommand,
                        RecycleBinCommand, NewSetCommand, DeleteSetCommand})
        AddEventHandler(EKey::MenuCommand, command, this, &MainWindow::OnMenuCommand, command);
}

void MainWindow::SetFonts()
{
    HWND withFont[] = {nameBox->Handle(),      sourceField->Handle(), destinationField->Handle(),
                       options[0]->Handle(),   options[1]->Handle(),  options[2]->Handle(),
                       options[3]->Handle(),   sourceLabel->Handle(), destinationLabel->Handle(),
                       newButton->Handle(),    deleteButton->Handle(), abortButton->Handle()};
    for (HWND control : withFont)
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font->Font()), TRUE);
}

void MainWindow::OnQuit()
{
    // The run in progress stops at its next file and leaves the controls
    // alone; the sets it committed are saved below.
    runs.WindowClosing();
    if (session)
        session->SaveOnClose();
}

// The set shown is committed before the window goes; a name the set file
// cannot hold keeps the window open, to be corrected. A run committed its
// set when it started.
LRESULT MainWindow::OnClose(EMessage&)
{
    if (!runs.Running()) {
        if (!sets.CommitBeforeSave())
            return 0;
        sets.SelectTop();
    }
    // A run in progress waits while the questions are open; with Cancel
    // the window and the run go on.
    if (session && !session->SaveOnClose(true))
        return 0;
    DestroyWindow(Handle());
    return 0;
}

LRESULT MainWindow::OnQueryEndSession(EMessage&)
{
    return session && !session->SaveBeforeSessionEnds() ? FALSE : TRUE;
}

// The session ends: the process may be gone as soon as this returns (no
// WM_DESTROY follows), so a run in progress stops and a question still open
// counts as Cancel.
LRESULT MainWindow::OnEndSession(EMessage& message)
{
    if (message.wParam)
        runs.WindowClosing();
    if (session)
        session->SessionEnds(message.wParam != 0);
    return 0;
}

LRESULT MainWindow::OnActivate(EMessage& message)
{
    return DefaultProc(message);
}

LRESULT MainWindow::OnSize(EMessage& message)
{
    EApplicationView::OnSize(message);
    // Only the log follows the frame; the rows above keep their places.
    if (log && log->Handle()) {
        RECT client;
        ClientRect(&client);
        int width = client.right - client.left;
        int height = client.bottom - client.top - 125;
        MoveWindow(log->Handle(), client.left, client.top + 127, width > 0 ? width : 0, height > 0 ? height : 0,
                   TRUE);
    }
    return 0;
}

LRESULT MainWindow::OnControlColor(EMessage& message)
{
    SetBkMode(reinterpret_cast<HDC>(message.wParam), TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(LTGRAY_BRUSH));
}

LRESULT MainWindow::OnPaint(EMessage&)
{
    EPaintDC paint(Handle());
    return 0;
}

LRESULT MainWindow::OnMinMaxInfo(EMessage& message)
{
    MINMAXINFO* info = reinterpret_cast<MINMAXINFO*>(message.lParam);
    info->ptMinTrackSize.x = MinimumWidth;
    info->ptMinTrackSize.y = MinimumHeight;
    return 0;
}

// The edit inside the name box is outside the window's dialog navigation:
// Tab is taken here so it leaves the box instead of beeping.
LRESULT MainWindow::OnNameKey(EMessage& message)
{
    if (message.wParam != VK_TAB)
        return nameBox->EditField()->DefaultProc(message);
    EWindow* next = GetKeyState(VK_SHIFT) < 0 ? static_cast<EWindow*>(options[3].get()) : newButton.get();
    SetFocus(next->Handle());
    return 0;
}

LRESULT MainWindow::OnNameChar(EMessage& message)
{
    if (message.wParam == '\t')
        return 0;
    return nameBox->EditField()->DefaultProc(message);
}
