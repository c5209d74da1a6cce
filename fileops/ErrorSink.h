#ifndef OMBREL_ERRORSINK_H
#define OMBREL_ERRORSINK_H

#include <string>

// Where the file primitives and the tree walks tell why they stopped: a
// run's host, or a box over a window (BoxErrors.h).
class ErrorSink {
public:
    virtual ~ErrorSink() = default;
    // text names paths as a user writes them, with their real names.
    virtual void ShowError(const std::wstring& text) = 0;
    // The same for a failure the system gave a code for: a run may skip the
    // one file such an error concerns and go on.
    virtual void ShowFailure(const std::wstring& text, unsigned long code)
    {
        static_cast<void>(code);
        ShowError(text);
    }
};

#endif
