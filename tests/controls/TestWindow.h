#ifndef OMBREL_TESTWINDOW_H
#define OMBREL_TESTWINDOW_H

#include <windows.h>

// A plain visible top-level window of a class that records the commands it
// receives; destroyed with the object.
struct TestWindow {
    HWND handle;

    explicit TestWindow(int width = 300, int height = 200);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    // The last WM_COMMAND wParam it received, 0 when none; the number of them.
    static WPARAM lastCommand;
    static int commandCount;
};

// Registers a window class of the tests once, with the button-face
// background; returns its name.
const char* RegisterTestClass(const char* name, WNDPROC procedure);

#endif
