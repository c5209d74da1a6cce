#include "TestWindow.h"

WPARAM TestWindow::lastCommand = 0;
int TestWindow::commandCount = 0;

namespace {

LRESULT CALLBACK RecordingProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND) {
        TestWindow::lastCommand = wParam;
        TestWindow::commandCount++;
        return 0;
    }
    return DefWindowProcA(handle, message, wParam, lParam);
}

const char* ClassName()
{
    static bool registered;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = RecordingProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = "OmbrelControlsTest";
        RegisterClassA(&wc);
        registered = true;
    }
    return "OmbrelControlsTest";
}

}

TestWindow::TestWindow(int width, int height)
{
    handle = CreateWindowExA(0, ClassName(), "test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, width, height, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    lastCommand = 0;
    commandCount = 0;
}

TestWindow::~TestWindow()
{
    DestroyWindow(handle);
}
