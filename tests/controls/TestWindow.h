#ifndef OMBREL_TESTWINDOW_H
#define OMBREL_TESTWINDOW_H

#include <windows.h>

// A plain visible top-level window, destroyed with the object.
struct TestWindow {
    HWND handle;

    TestWindow();
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
};

// Registers a window class of the tests once, with the button-face
// background; returns its name.
const char* RegisterTestClass(const char* name, WNDPROC procedure);

#endif
