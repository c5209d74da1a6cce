#ifndef OMBREL_BOXRECORDER_H
#define OMBREL_BOXRECORDER_H

#include "MessageBoxes.h"

#include <string>
#include <vector>

// Records every box while it lives instead of showing it, so error texts can
// be checked and no test waits on a box.
class BoxRecorder : public EBoxReporter {
public:
    struct Box {
        std::string text;
        std::string caption;
        UINT style;
    };

    BoxRecorder() : previous(SetBoxReporter(this)) {}
    ~BoxRecorder() override { SetBoxReporter(previous); }
    BoxRecorder(const BoxRecorder&) = delete;
    BoxRecorder& operator=(const BoxRecorder&) = delete;

    int Report(HWND, const char* text, const char* caption, UINT style) override
    {
        boxes.push_back(Box{text, caption, style});
        return IDOK;
    }
    std::string LastText() const { return boxes.empty() ? std::string() : boxes.back().text; }

    std::vector<Box> boxes;

private:
    EBoxReporter* previous;
};

#endif
