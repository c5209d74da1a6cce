#include "MainWindow.h"

#include <algorithm>

#include <commctrl.h>

#include "EBitmapButton.h"
#include "ECheckBox.h"
#include "EDropDownCombo.h"
#include "ELineEdit.h"
#include "EListRows.h"
#include "EMenu.h"
#include "EOwnerDrawListView.h"
#include "EPushButton.h"
#include "StatusLine.h"
#include "FileConfirmations.h"
#include "FrameSettings.h"
#include "RunDialogs.h"
#include "WidePath.h"

namespace {

const int RunLockedCommands[] = {MainWindow::OpenSetFileCommand, MainWindow::SaveSetFileCommand,
                                 MainWindow::ExitCommand,        MainWindow::PreviewDownCommand,
                                 MainWindow::PreviewUpCommand,   MainWindow::RecycleBinCommand,
                                 MainWindow::AboutCommand};

}

void MainWindow::EnableControls(bool enable)
{
    if (HMENU bar = GetMenu(Handle()))
        for (int command : RunLockedCommands)
            EnableMenuItem(bar, command, MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
    EWindow* controls[] = {newButton.get(),   deleteButton.get(), nameBox.get(),     upButton.get(),
                           downButton.get(),  options[0].get(),   options[1].get(),  options[2].get(),
                           options[3].get(),  sourceField.get(),  destinationField.get(),
                           sourceFolderButton.get(), destinationFolderButton.get()};
    for (EWindow* control : controls) {
        if (enable)
            control->Enable();
        else
            control->Disable();
    }
}

void MainWindow::LockForRun()
{
    EnableControls(false);
    abortButton->Enable();
    SetFocus(abortButton->Handle());
    UpdateWindow(Handle());
}

void MainWindow::UnlockAfterRun()
{
    // The log's picture follows late while rows pour in; the run is over.
    log->RefreshPicture();
    EnableControls(true);
    abortButton->Disable();
    UpdateWindow(Handle());
}

void MainWindow::ClearLog(bool planned)
{
    // The width the user left is back for the next real run.
    HWND list = log->Handle();
    if (planned) {
        int width = static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0));
        int needed = static_cast<int>(SendMessageA(list, LVM_GETSTRINGWIDTHA, 0,
                                                   reinterpret_cast<LPARAM>("(plan) rmdir"))) + 16;
        if (!operationWidth)
            operationWidth = width;
        SendMessageA(list, LVM_SETCOLUMNWIDTH, 0, std::max(width, needed));
    } else if (operationWidth) {
        SendMessageA(list, LVM_SETCOLUMNWIDTH, 0, operationWidth);
        operationWidth = 0;
    }
    log->DeleteAllRows();
    UpdateWindow(log->Handle());
}

void MainWindow::LogOperation(const char* operation, const std::wstring& first, const std::wstring& second)
{
    std::wstring name = Widen(operation);
    const wchar_t* texts[3] = {name.c_str(), first.c_str(), second.c_str()};
    log->AppendRow(texts, 3);
}

void MainWindow::ShowStatus(const std::wstring& text)
{
    if (status)
        status->Show(text);
}

int MainWindow::ConfirmReplace(const std::wstring& newFile, const std::wstring& existingFile)
{
    return ConfirmFileReplace(Handle(), newFile, existingFile);
}

int MainWindow::ConfirmDeleteFile(const std::wstring& path, bool toBin)
{
    return ConfirmFileDelete(Handle(), path, toBin);
}

int MainWindow::ConfirmRemoveFolder(const std::wstring& path, bool toBin)
{
    return ConfirmFolderDelete(Handle(), path, toBin);
}

int MainWindow::ConfirmMassDelete(int deleting, int files, const std::wstring& folder)
{
    return AskMassDelete(Handle(), deleting, files, folder);
}

int MainWindow::ConfirmPermanentDelete(const std::wstring& path)
{
    return AskPermanentDelete(Handle(), path);
}

int MainWindow::ConfirmSkipFile(const std::wstring& text)
{
    return ConfirmFileSkip(Handle(), text);
}

bool MainWindow::UseRecycleBin()
{
    return frameSettings && frameSettings->RecycleBin();
}
