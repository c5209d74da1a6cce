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

const char* SetFileQuestionCaption(SetFileWindow::Question question)
{
    if (question == SetFileWindow::ChangedQuestion)
        return Bilingual("Set file changed", "設定ﾌｧｲﾙの変更");
    return Bilingual("Set file not saved", "設定ﾌｧｲﾙの保存の失敗");
}

std::string SetFileQuestionText(SetFileWindow::Question question, const std::string& path, const std::string& reason)
{
    if (question == SetFileWindow::ChangedQuestion)
        return Bilingual("The set file '", "設定ﾌｧｲﾙ '") + path +
               Bilingual("' was changed or deleted by another program after it was read. "
                         "Overwrite it with the sets of this window?",
                         "' は読み込んだ後にほかのﾌﾟﾛｸﾞﾗﾑで変更または削除されました。"
                         "このｳｨﾝﾄﾞｳのｾｯﾄで上書きしますか?");
    return Bilingual("Can't write the set file '", "設定ﾌｧｲﾙ '") + path +
           Bilingual("'. ", "' に書き込めません。") + reason +
           Bilingual("\r\n\r\nThe sets of this window are not saved. Save them in another file?",
                     "\r\n\r\nこのｳｨﾝﾄﾞｳのｾｯﾄは保存されていません。別のﾌｧｲﾙに保存しますか?");
}

std::string SetFileFaultText(const SetFileError& error)
{
    switch (error.fault) {
    case SetFileFault::DiskFull:
        return Bilingual("The disk is full.", "ﾃﾞｨｽｸがいっぱいです。");
    case SetFileFault::ReadOnly:
        return Bilingual("The file is read-only.", "ﾌｧｲﾙは読み取り専用です。");
    case SetFileFault::Denied:
        return Bilingual("Writing there is not allowed (a read-only disk or folder, or no permission).",
                         "そこには書き込めません (読み取り専用のﾃﾞｨｽｸかﾌｫﾙﾀﾞ、またはｱｸｾｽ権がありません)。");
    case SetFileFault::InUse:
        return Bilingual("Another program is using the file.", "ほかのﾌﾟﾛｸﾞﾗﾑがﾌｧｲﾙを使用中です。");
    case SetFileFault::TooLarge:
        return Bilingual("The file is larger than 32 MB, so it was left as it was.",
                         "ﾌｧｲﾙが 32 MB より大きいため、元のままにしました。");
    case SetFileFault::Unreadable:
        return Bilingual("The file could not be read, so it was left as it was.",
                         "ﾌｧｲﾙを読み込めなかったため、元のままにしました。");
    case SetFileFault::NotAFile:
        return Bilingual("It is not a file on a disk.", "ﾃﾞｨｽｸ上のﾌｧｲﾙではありません。");
    case SetFileFault::NoBackupName:
        return Bilingual("No free name is left for a backup copy of it.", "ﾊﾞｯｸｱｯﾌﾟ用の空いた名前がありません。");
    case SetFileFault::LinkTarget:
        return Bilingual("It links to a file whose name this program cannot write.",
                         "このﾌﾟﾛｸﾞﾗﾑでは扱えない名前のﾌｧｲﾙへのﾘﾝｸです。");
    default: {
        char text[64];
        wsprintfA(text, Bilingual("Windows error %lu.", "Windows ｴﾗｰ %lu。"), error.code);
        return text;
    }
    }
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
    unread = !ReadSetFile(sets, path.c_str(), nullptr, &stamp) && stamp.present;
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
    // Chosen as it is now: only later changes are another program's.
    stamp = StampSetFile(path.c_str());
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
    return SaveSets(true) == Saved;
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
    SetFileError error;
    if (WriteSetFile(sets, path.c_str(), &error)) {
        stamp = StampSetFile(path.c_str());
        saved = FormatSetFile(sets);
        return 1;
    }
    ErrorBox(window.Owner(),
             Bilingual("Can't write the set file '%s'. %s The file was left as it was.",
                       "設定ﾌｧｲﾙ '%s' に書き込めません。%s ﾌｧｲﾙは元のままです。"),
             path.c_str(), SetFileFaultText(error).c_str());
    return 0;
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

bool SetFileSession::ChooseOther(std::string& target)
{
    std::string chosen = target;
    if (!window.ChooseSetFile(SetFileWindow::SaveDialog, chosen))
        return false;
    window.Repaint();
    target = chosen;
    return true;
}

SetFileSession::Outcome SetFileSession::SaveSets(bool stoppable)
{
    struct Asking {
        explicit Asking(bool& flag) : flag(flag) { flag = true; }
        ~Asking() { flag = false; }
        bool& flag;
    } asking(this->asking);
    Outcome cancelled = stoppable ? Cancelled : NotSaved;
    std::string target = path;
    SetFileError error;
    if (target.empty()) {
        // No set file yet: the user names one; cancelling saves nothing.
        if (!ChooseOther(target))
            return NotSaved;
    } else if (!MayReplace()) {
        // Sets made since the failed read would vanish silently: say why
        // the file stays and offer another one.
        sets.CommitBeforeSave();
        if (sets.Count() == 0)
            return NotSaved;
        error.fault = SetFileFault::Unreadable;
    } else if (!unread && SetFileChanged(path.c_str(), stamp)) {
        std::string text = SetFileQuestionText(SetFileWindow::ChangedQuestion, path);
        for (;;) {
            SetFileWindow::Answer answer = window.AskAboutSetFile(SetFileWindow::ChangedQuestion, text, stoppable);
            if (answer == SetFileWindow::OverwriteAnswer)
                break;
            if (answer != SetFileWindow::SaveAsAnswer)
                return cancelled;
            if (ChooseOther(target))
                break;
        }
    }
    for (;;) {
        if (error.fault == SetFileFault::None) {
            if (WriteSetFile(sets, target.c_str(), &error)) {
                path = target;
                unread = false;
                stamp = StampSetFile(path.c_str());
                saved = FormatSetFile(sets);
                return Saved;
            }
        }
        std::string text = SetFileQuestionText(SetFileWindow::FailedQuestion, target, SetFileFaultText(error));
        SetFileWindow::Answer answer = window.AskAboutSetFile(SetFileWindow::FailedQuestion, text, stoppable);
        if (answer == SetFileWindow::DontSaveAnswer)
            return NotSaved;
        if (answer != SetFileWindow::SaveAsAnswer)
            return cancelled;
        // A cancelled dialog asks again.
        if (ChooseOther(target))
            error = SetFileError();
    }
}

bool SetFileSession::SaveOnClose(bool stoppable)
{
    if (closed || asking)
        return closed;
    if (SaveSets(stoppable) == Cancelled)
        return false;
    closed = true;
    SaveSettings(settings, path);
    return true;
}

bool SetFileSession::SaveBeforeSessionEnds()
{
    if (closed)
        return true;
    if (asking)
        return false;
    Outcome outcome = SaveSets(true);
    if (outcome == Cancelled)
        return false;
    declined = outcome == NotSaved;
    SaveSettings(settings, path);
    return true;
}

void SetFileSession::SessionEnds(bool ending)
{
    if (!ending || closed || asking) {
        declined = false;
        return;
    }
    // Saved just before, unless the user declined: asks nothing again
    // when nothing changed since.
    if (!declined)
        SaveSets(false);
    closed = true;
    SaveSettings(settings, path);
}
