#include "SetFileSession.h"

#include <windows.h>

#include "BilingualText.h"
#include "MessageBoxes.h"
#include "SetFile.h"
#include "SetFileText.h"
#include "SetFileWindow.h"
#include "SetList.h"
#include "Settings.h"

const char* SetFileDialogTitle(SetFileWindow::Dialog dialog)
{
    if (dialog == SetFileWindow::OpenDialog)
        return Bilingual("Open INI file", "設定ﾌｧｲﾙを開く");
    return Bilingual("Save INI file", "設定ﾌｧｲﾙの保存");
}

const char* SetFileDialogFilter()
{
    return Bilingual("INI Files(*.ini)\0*.ini\0", "INIﾌｧｲﾙ(*.ini)\0*.ini\0");
}

SetFileSession::SetFileSession(SetList& sets, SetFileWindow& window, SettingsWindow& settings)
    : sets(sets), window(window), settings(settings)
{
}

int SetFileSession::Start()
{
    LoadSettings(settings, path);
    if (path.empty())
        return 0;
    Read();
    return 1;
}

void SetFileSession::Read()
{
    unread = !ReadSetFile(sets, path.c_str());
    saved = FormatSetFile(sets);
}

int SetFileSession::Choose(int dialog)
{
    std::string chosen = path;
    if (!window.ChooseSetFile(static_cast<SetFileWindow::Dialog>(dialog), chosen))
        return 0;
    window.Repaint();
    path = chosen;
    unread = false;
    return 1;
}

void SetFileSession::Open()
{
    if (!sets.CommitBeforeSave() || !SettleChanges())
        return;
    if (Choose(SetFileWindow::OpenDialog))
        Read();
}

int SetFileSession::SettleChanges()
{
    if (FormatSetFile(sets) == saved)
        return 1;
    const char* name = path.empty() ? Bilingual("(no set file)", "(設定ﾌｧｲﾙなし)") : path.c_str();
    switch (QuestionBox(window.Owner(),
                        Bilingual("The sets have changes that are not saved in '%s'. Save them first?",
                                  "ｾｯﾄの変更が '%s' に保存されていません。先に保存しますか?"),
                        name)) {
    case IDYES:
        return SaveChanges();
    case IDNO:
        return 1;
    default:
        return 0;
    }
}

int SetFileSession::SaveChanges()
{
    if (!path.empty() && MayReplace())
        return Write();
    return Choose(SetFileWindow::SaveDialog) && Write();
}

void SetFileSession::SaveAs()
{
    if (!sets.CommitBeforeSave())
        return;
    // The dialog asked before an existing file is overwritten.
    if (Choose(SetFileWindow::SaveDialog))
        Write();
}

int SetFileSession::Write()
{
    if (!WriteSetFile(sets, path.c_str())) {
        ErrorBox(window.Owner(),
                 Bilingual("Can't write the set file '%s'. The file was left as it was.",
                           "設定ﾌｧｲﾙ '%s' に書き込めません。ﾌｧｲﾙは元のままです。"),
                 path.c_str());
        return 0;
    }
    saved = FormatSetFile(sets);
    return 1;
}

bool SetFileSession::MayReplace() const
{
    if (!unread)
        return true;
    // Gone for certain: writing creates it and replaces nothing.
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        return false;
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

void SetFileSession::SaveOnClose()
{
    if (closed)
        return;
    closed = true;
    if (path.empty()) {
        SaveAs();
    } else if (MayReplace()) {
        Write();
    } else {
        // Sets made since the failed read would vanish silently: say why
        // the file stays and offer another one.
        sets.CommitBeforeSave();
        if (sets.Count() > 0) {
            WarningBox(window.Owner(),
                       Bilingual("The set file '%s' could not be read, so it was left as it was. "
                                 "Choose a file for the sets.",
                                 "設定ﾌｧｲﾙ '%s' を読み込めなかったため、元のままにしました。"
                                 "ｾｯﾄを保存するﾌｧｲﾙを選んでください。"),
                       path.c_str());
            SaveAs();
        }
    }
    SaveSettings(settings, path);
}
