#include "MainWindow.h"

#include "BilingualText.h"
#include "EFileDialog.h"
#include "EFolderBrowser.h"
#include "FrameSettings.h"
#include "ELineEdit.h"
#include "MessageBoxes.h"
#include "SetFileQuestions.h"
#include "SetFileSession.h"

// The menu's commands, and "New" and "Del", which are 201 and 202. While a
// run goes, its handler is still on the stack and reads the current set: a
// click queued before the lock or a message pumped during one of its
// questions must not change the sets or start anything.
LRESULT MainWindow::OnMenuCommand(EEvent& event)
{
    int command = EIntValue(event.extra);
    if (command == ExitCommand) {
        PostMessageA(Handle(), WM_CLOSE, 0, 0);
        return 0;
    }
    if (runs.Running())
        return 0;
    switch (command) {
    case OpenSetFileCommand:
        session->Open();
        break;
    case SaveSetFileCommand:
        session->SaveAs();
        break;
    case PreviewDownCommand:
        runs.PreviewForward();
        break;
    case PreviewUpCommand:
        runs.PreviewBackward();
        break;
    case RecycleBinCommand:
        frameSettings->SetRecycleBin(!frameSettings->RecycleBin());
        break;
    case NewSetCommand:
        sets.NewSet();
        break;
    case DeleteSetCommand:
        sets.DeleteSet();
        break;
    }
    return 0;
}

LRESULT MainWindow::OnChooseSet(EEvent&)
{
    if (runs.Running())
        return 0;
    choosing = true;
    sets.ChooseSet();
    choosing = false;
    NoteShownName();
    return 0;
}

LRESULT MainWindow::OnRefreshTopSet(EEvent&)
{
    if (runs.Running())
        return 0;
    sets.RefreshTopSet();
    NoteShownName();
    return 0;
}

LRESULT MainWindow::OnNameTyped(EEvent&)
{
    NoteShownName();
    return 0;
}

LRESULT MainWindow::OnBrowseFolder(EEvent& event)
{
    if (!runs.Running())
        BrowseFolder(*reinterpret_cast<ELineEdit*>(event.extra));
    return 0;
}

void MainWindow::BrowseFolder(ELineEdit& field)
{
    if (folderBrowser->Browse() != 1)
        return;
    char path[MAX_PATH];
    if (folderBrowser->GetPath(path, sizeof path))
        SetWindowTextA(field.Handle(), path);
}

LRESULT MainWindow::OnRunForward(EEvent&)
{
    runs.RunForward();
    return 0;
}

LRESULT MainWindow::OnRunBackward(EEvent&)
{
    runs.RunBackward();
    return 0;
}

LRESULT MainWindow::OnAbortRun(EEvent&)
{
    runs.AbortRun();
    return 0;
}

int MainWindow::ChooseSetFile(Dialog dialog, std::string& path)
{
    fileDialog->SetTitle(SetFileDialogTitle(dialog));
    for (;;) {
        int chosen = dialog == OpenDialog ? fileDialog->Open() : fileDialog->Save();
        if (chosen != EFileDialog::NotInCodePage) {
            if (chosen)
                path = fileDialog->FileName();
            return chosen ? 1 : 0;
        }
        // The program's files are named in the code page: any other name
        // would reach another file, or none. The dialog comes back.
        ErrorBox(Handle(),
                 Bilingual("The name '%s' holds characters that this system's code page can't show "
                           "(shown as '?'). Choose a name without them.",
                           "名前 '%s' には、このｼｽﾃﾑのｺｰﾄﾞﾍﾟｰｼﾞで表せない文字があります('?' の箇所)。"
                           "それらを含まない名前を選んでください。"),
                 fileDialog->RefusedName());
    }
}

void MainWindow::Repaint()
{
    UpdateWindow(Handle());
}

SetFileWindow::Answer MainWindow::AskAboutSetFile(Question question, const std::string& text, bool stoppable)
{
    return AskSetFileQuestion(this, question, text, stoppable);
}
