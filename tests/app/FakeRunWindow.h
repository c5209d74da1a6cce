#ifndef OMBREL_FAKERUNWINDOW_H
#define OMBREL_FAKERUNWINDOW_H

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "RunWindow.h"

// The main window as records: what was locked, logged and shown, and the
// file confirmations answered from a script (unexpected ones are Cancel).
// Once closed is set its controls count as destroyed: any later call is a
// fault, counted in afterClose.
class FakeRunWindow : public RunWindow {
public:
    EWindow* DialogParent() override { return nullptr; }
    HWND Owner() override { return nullptr; }
    void LockForRun() override { Note("lock"); }
    void UnlockAfterRun() override { Note("unlock"); }
    void ClearLog() override
    {
        Note("clear");
        rows.clear();
    }
    void LogOperation(const char* operation, const char* first, const char* second) override
    {
        Note("row");
        rows.push_back(std::string(operation) + " " + first + (second[0] ? " " : "") + second);
        if (onRow)
            onRow(static_cast<int>(rows.size()));
    }
    void ShowStatus(const char* text) override { Note(std::string("status:") + text); }
    int ConfirmReplace(const char* newFile, const char* existingFile) override
    {
        return Ask("replace " + std::string(existingFile) + " with " + newFile);
    }
    int ConfirmDeleteFile(const char* path) override { return Ask("delete " + std::string(path)); }
    int ConfirmRemoveFolder(const char* path) override { return Ask("rmdir " + std::string(path)); }

    // The events but rows and folder texts: lock, clear, status:, unlock.
    std::vector<std::string> Frame() const
    {
        std::vector<std::string> frame;
        for (const std::string& e : events)
            if (e != "row" && (e.compare(0, 7, "status:") != 0 || e == "status:"))
                frame.push_back(e);
        return frame;
    }

    std::vector<std::string> events;
    std::vector<std::string> rows;
    std::vector<std::string> questions;
    std::deque<int> answers;
    std::function<void(int)> onRow;
    bool closed = false;
    int afterClose = 0;

private:
    void Note(const std::string& event)
    {
        if (closed)
            ++afterClose;
        events.push_back(event);
    }
    int Ask(const std::string& question)
    {
        Note("ask");
        questions.push_back(question);
        if (answers.empty())
            return 2;
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

#endif
