#ifndef OMBREL_BOXRECORDER_H
#define OMBREL_BOXRECORDER_H

#include "MessageBoxes.h"

#include <string>
#include <vector>

// Records every box while it lives instead of showing it, answering each with
// answer, so error texts can be checked and no test waits on a box.
class BoxRecorder : public EBoxReporter {
public:
    struct Box {
        std::string text;
        std::string caption;
        UINT style;
    };

    explicit BoxRecorder(int answer = IDOK) : answer(answer), previous(SetBoxReporter(this)) {}
    ~BoxRecorder() override { SetBoxReporter(previous); }
    BoxRecorder(const BoxRecorder&) = delete;
    BoxRecorder& operator=(const BoxRecorder&) = delete;

    int Report(HWND, const char* text, const char* caption, UINT style) override
    {
        boxes.push_back(Box{text, caption, style});
        return answer;
    }
    std::string LastText() const { return boxes.empty() ? std::string() : boxes.back().text; }

    std::vector<Box> boxes;
    int answer;

private:
    EBoxReporter* previous;
};

#endif
