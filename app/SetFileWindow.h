#ifndef OMBREL_SETFILEWINDOW_H
#define OMBREL_SETFILEWINDOW_H

#include <windows.h>

#include <string>

// What opening and saving set files needs from the main window: its file
// dialog, its questions and its frame. Tests implement it with scripted
// answers.
class SetFileWindow {
public:
    enum Dialog { OpenDialog, SaveDialog };
    // The questions asked when the sets are saved at close or at the end of
    // the session: the set file was changed on disk since it was read
    // (Overwrite, Save As, Cancel), or it could not be written (Save As,
    // Don't save, Cancel).
    enum Question { ChangedQuestion, FailedQuestion };
    enum Answer { OverwriteAnswer, SaveAsAnswer, DontSaveAnswer, CancelAnswer };

    virtual ~SetFileWindow() = default;

    // Owner of the boxes.
    virtual HWND Owner() = 0;
    // Runs the "Open INI file" or "Save INI file" dialog (titles from
    // SetFileDialogTitle). 1 with the chosen path, 0 when cancelled.
    virtual int ChooseSetFile(Dialog dialog, std::string& path) = 0;
    // Repaints the window at once once a dialog has closed (UpdateWindow).
    virtual void Repaint() = 0;
    // Asks the question with its text (from SetFileQuestionText). Without
    // stoppable, the window closes whatever the answer: ChangedQuestion
    // offers "Don't save" instead of Cancel, FailedQuestion no Cancel, and
    // Cancel (Esc) means Don't save.
    virtual Answer AskAboutSetFile(Question question, const std::string& text, bool stoppable) = 0;
};

// The file dialog's texts in the interface language.
const char* SetFileDialogTitle(SetFileWindow::Dialog dialog);
// Description and pattern, each terminated, the whole ended by an empty text.
const char* SetFileDialogFilter();
// The question's caption and its text about the set file at path; reason
// (from SetFileFaultText) tells why a write failed.
const char* SetFileQuestionCaption(SetFileWindow::Question question);
std::string SetFileQuestionText(SetFileWindow::Question question, const std::string& path,
                                const std::string& reason = "");

#endif
