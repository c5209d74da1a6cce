#include "TestWindow.h"

TestWindow::TestWindow()
{
    handle = CreateWindowExA(0, RegisterTestClass("OmbrelControlsTest", DefWindowProcA), "test",
                             WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
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
