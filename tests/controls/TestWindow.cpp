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

}

TestWindow::TestWindow(int width, int height)
{
    handle = CreateWindowExA(0, RegisterTestClass("OmbrelControlsTest", RecordingProc), "test",
                             WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, width, height, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    lastCommand = 0;
    commandCount = 0;
}

TestWindow::~TestWindow()
{
    DestroyWindow(handle);
}

const char* RegisterTestClass(const char* name, WNDPROC procedure)
{
    WNDCLASSA wc;
    if (!GetClassInfoA(GetModuleHandleA(nullptr), name, &wc)) {
        wc = {};
        wc.lpfnWndProc = procedure;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = name;
        RegisterClassA(&wc);
    }
    return name;
}
