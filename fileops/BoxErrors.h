#ifndef OMBREL_BOXERRORS_H
#define OMBREL_BOXERRORS_H

#include "ErrorSink.h"
#include "MessageBoxes.h"

// Errors shown as error boxes over a window.
class BoxErrors : public ErrorSink {
public:
    explicit BoxErrors(HWND owner) : owner(owner) {}
    void ShowError(const std::wstring& text) override { ErrorBoxText(owner, text); }

private:
    HWND owner;
};

#endif
