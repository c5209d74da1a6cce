#ifndef OMBREL_SCRIPTEDHOST_H
#define OMBREL_SCRIPTEDHOST_H

#include "SyncHost.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// A window stand-in: confirmations take their answers from a script (a
// question the script did not expect is answered Cancel and recorded), and
// log rows, status texts and pumps are recorded. The hooks let a test act,
// as another program would, between two steps of a run.
class ScriptedHost : public SyncHost {
public:
    HWND Owner() override { return nullptr; }
    int ConfirmReplace(const char* newFile, const char* existingFile) override
    {
        return Ask("replace " + std::string(existingFile) + " with " + newFile);
    }
    int ConfirmDeleteFile(const char* path) override { return Ask("delete " + std::string(path)); }
    int ConfirmRemoveFolder(const char* path) override { return Ask("rmdir " + std::string(path)); }
    void LogOperation(const char* operation, const char* first, const char* second) override
    {
        rows.push_back(std::string(operation) + " " + first + (second[0] ? " " : "") + second);
        if (onRow)
            onRow(rows.back());
    }
    void ShowStatus(const char* text) override { statuses.push_back(text); }
    void PumpOneMessage() override
    {
        if (++pumps == abortAtPump)
            abort = true;
        if (onPump)
            onPump(pumps);
    }
    bool AbortRequested() override { return abort; }
    void ClearAbort() override { abort = false; }

    std::deque<int> answers;
    std::vector<std::string> questions;
    std::vector<std::string> unexpected;
    std::vector<std::string> rows;
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
