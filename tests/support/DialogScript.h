#ifndef OMBREL_DIALOGSCRIPT_H
#define OMBREL_DIALOGSCRIPT_H

#include <windows.h>

#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// Answers every dialog this thread opens (message boxes, confirmations, the
// file and folder choosers), one scripted step per dialog, from a timer that
// runs inside the dialog's own loop. Records the caption and message of each.
// A dialog the script did not expect is cancelled and counted.
class DialogScript {
public:
    // Returns true once the dialog has been answered; false to be called
    // again at the next tick (a chooser still filling itself).
    typedef std::function<bool(HWND dialog)> Step;

    struct Seen {
        std::string caption;
        std::string text;
    };

    explicit DialogScript(std::deque<Step> steps = {});
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    void Add(Step step) { steps.push_back(step); }
    bool Finished() const { return steps.empty(); }
    std::vector<std::string> Captions() const;

    std::vector<Seen> seen;
    int unexpected = 0;
    // Ticks of 20 ms a step may take before its dialog is cancelled.
    int patience = 250;

    // Presses the button with this id; with several ids, each in turn.
    static Step Press(int id);
    static Step Press(std::initializer_list<int> ids);
    // Posts the message to the dialog (a key: WM_KEYDOWN, the close box:
    // WM_CLOSE).
    static Step Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Lets look read the dialog as it is shown, then answers with answer.
    static Step Look(std::function<void(HWND dialog)> look, Step answer);
    // Types the path into a file dialog's name box and presses OK.
    static Step ChooseFile(const std::string& path);
    // The same with a UTF-16 path, which may hold what no code page can.
    static Step ChooseWideFile(const std::wstring& path);
    // Selects the folder in the folder chooser and presses OK.
    static Step ChooseFolder(const std::string& path);

    // What a dialog shows: its caption, an item's text (ANSI and wide).
    static std::string Caption(HWND dialog);
    static std::string ItemText(HWND dialog, int id);
    static std::wstring WideItemText(HWND dialog, int id);

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void Answer();
    HWND NewDialog();

    std::deque<Step> steps;
    std::vector<HWND> handled;
    HWND current = nullptr;
    int ticks = 0;
    bool running = false;
    UINT_PTR timer;
};

#endif
