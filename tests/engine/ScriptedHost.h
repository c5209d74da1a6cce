#ifndef OMBREL_SCRIPTEDHOST_H
#define OMBREL_SCRIPTEDHOST_H

#include "ConfirmTexts.h"
#include "MessageBoxes.h"
#include "SyncHost.h"
#include "WidePath.h"

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

// A window stand-in: questions take their answers from a script (one not
// expected is answered Cancel), and rows, status texts and pumps are
// recorded in the code page. Errors go to the error box, as the window's
// do. The hooks let a test act, as another program would, between steps.
class ScriptedHost : public SyncHost {
public:
    int ConfirmReplace(const std::wstring& newFile, const std::wstring& existingFile) override
    {
        return Ask("replace " + Narrow(existingFile) + " with " + Narrow(newFile));
    }
    int ConfirmDeleteFile(const std::wstring& path, bool toBin) override
    {
        return Ask((toBin ? "recycle " : "delete ") + Narrow(path));
    }
    int ConfirmRemoveFolder(const std::wstring& path, bool toBin) override
    {
        return Ask((toBin ? "recycle folder " : "rmdir ") + Narrow(path));
    }
    int ConfirmMassDelete(int deleting, int files, const std::wstring& folder) override
    {
        return Ask("guard " + std::to_string(deleting) + " of " + std::to_string(files) + " in " + Narrow(folder));
    }
    int ConfirmPermanentDelete(const std::wstring& path) override { return Ask("for good " + Narrow(path)); }
    int ConfirmSkipFile(const std::wstring& text) override { return Ask("skip? " + Narrow(text)); }
    void LogOperation(const char* operation, const std::wstring& first, const std::wstring& second) override
    {
        wideRows.push_back(Widen(operation) + L" " + first + (second.empty() ? L"" : L" ") + second);
        rows.push_back(Narrow(wideRows.back()));
        if (onRow)
            onRow(rows.back());
    }
    void ShowStatus(const std::wstring& text) override { statuses.push_back(Narrow(text)); }
    void ShowError(const std::wstring& text) override { ErrorBoxText(nullptr, text); }
    void PumpOneMessage() override
    {
        if (++pumps == abortAtPump)
            abort = true;
        if (onPump)
            onPump(pumps);
    }
    bool AbortRequested() override { return abort; }
    static std::string Narrow(const std::wstring& text) { return ShownInCodePage(text); }

    std::deque<int> answers;
    std::vector<std::string> questions;
    std::vector<std::string> unexpected;
    std::vector<std::string> rows;
    std::vector<std::wstring> wideRows;
    std::vector<std::string> statuses;
    int pumps = 0;
    int abortAtPump = -1;
    bool abort = false;
    // Called with the number of each pump, and with each row as it is logged
    // (before its action).
    std::function<void(int)> onPump;
    std::function<void(const std::string&)> onRow;
    // Called with each question before it is answered.
    std::function<void(const std::string&)> onQuestion;

private:
    int Ask(const std::string& question)
    {
        questions.push_back(question);
        if (onQuestion)
            onQuestion(question);
        if (answers.empty()) {
            unexpected.push_back(question);
            return IDCANCEL;
        }
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

#endif
