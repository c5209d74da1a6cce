#ifndef OMBREL_POSTTARGET_H
#define OMBREL_POSTTARGET_H

#include <windows.h>

#include <functional>

// A hidden message-only window that runs a function when a posted message
// reaches it: a click or a close as the run's pump dispatches it.
class PostTarget {
public:
    PostTarget();
    ~PostTarget();
    PostTarget(const PostTarget&) = delete;
    PostTarget& operator=(const PostTarget&) = delete;

    void Post(std::function<void()> function);
    int Dispatched() const { return dispatched; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window;
    std::function<void()> pending;
    int dispatched = 0;
};

#endif
