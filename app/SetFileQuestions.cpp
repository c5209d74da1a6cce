#include "SetFileQuestions.h"

#include <windows.h>

#include "BilingualText.h"
#include "EConfirmDialog.h"
#include "EFlags.h"
#include "resource.h"

namespace {

// Fills the question when it opens; without stoppable, Cancel goes or
// becomes "Don't save".
class QuestionText : public EObject {
public:
    QuestionText(SetFileWindow::Question question, const std::string& text, bool stoppable)
        : question(question), text(text), stoppable(stoppable)
    {
    }

    LRESULT Fill(EEvent& event)
    {
        HWND dialog = reinterpret_cast<EDialog*>(event.parameter)->Handle();
        SetWindowTextA(dialog, SetFileQuestionCaption(question));
        SetDlgItemTextA(dialog, IDC_CONFIRM_TEXT, text.c_str());
        if (!stoppable) {
            HWND cancel = GetDlgItem(dialog, IDCANCEL);
            if (question == SetFileWindow::ChangedQuestion)
                SetWindowTextA(cancel, Bilingual("&Don't save", "保存しない(&N)"));
            else
                ShowWindow(cancel, SW_HIDE);
        }
        return 0;
    }

private:
    SetFileWindow::Question question;
    const std::string& text;
    bool stoppable;
};

}

SetFileWindow::Answer AskSetFileQuestion(EWindow* owner, SetFileWindow::Question question, const std::string& text,
                                         bool stoppable)
{
    bool changed = question == SetFileWindow::ChangedQuestion;
    char name[32];
    wsprintfA(name, "%s%s", changed ? "SetFileChanged" : "SetFileFailed", EJapanese ? "_J" : "_E");
    QuestionText fill(question, text, stoppable);
    EHandler init(&fill, &QuestionText::Fill);
    EAttributeList list;
    list.Set(EKey::Template, name).Set(EKey::InitHandler, &init).Set(EKey::Focus, changed ? IDNO : IDYES);
    EConfirmDialog dialog(owner, list);
    int pressed = dialog.Run();
    if (pressed == IDYES)
        return changed ? SetFileWindow::OverwriteAnswer : SetFileWindow::SaveAsAnswer;
    if (pressed == IDNO)
        return changed ? SetFileWindow::SaveAsAnswer : SetFileWindow::DontSaveAnswer;
    // Esc, the close box, Cancel, or no template at all.
    return stoppable ? SetFileWindow::CancelAnswer : SetFileWindow::DontSaveAnswer;
}
