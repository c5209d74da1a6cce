#ifndef OMBREL_DIALOGANSWER_H
#define OMBREL_DIALOGANSWER_H

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

// Answers the template dialogs this thread opens, in order, by clicking the
// scripted buttons when each one activates; records what each one showed.
// A dialog the script did not expect is closed with Cancel and recorded.
class DialogAnswer {
public:
    struct Seen {
        std::string caption;
        std::string text;   // the message item, or the first static
        bool icon;          // the icon item holds an image
    };

    explicit DialogAnswer(std::deque<int> answers);
    ~DialogAnswer();
    DialogAnswer(const DialogAnswer&) = delete;
    DialogAnswer& operator=(const DialogAnswer&) = delete;

    std::vector<Seen> seen;
    std::deque<int> answers;
    int unexpected = 0;
    // Runs when a dialog activates, before it is answered.
    std::function<void()> onShow;
    // The dialogs answered and not yet gone.
    std::vector<HWND> answered;
};

#endif
