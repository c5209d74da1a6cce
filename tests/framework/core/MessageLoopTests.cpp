#include <doctest/doctest.h>

#include <windows.h>

#include <utility>
#include <vector>

#include "EApplication.h"

namespace {

std::vector<std::pair<UINT, WPARAM>> received;

LRESULT CALLBACK RecordingProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND || message == WM_KEYDOWN || message == WM_APP)
        received.emplace_back(message, wParam);
    return DefWindowProcA(handle, message, wParam, lParam);
}

// A window that records what reaches it.
HWND MakeRecorder(HWND parent, DWORD style, int x)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "OmbrelTestRecorder";
    RegisterClassA(&wc);  // fails harmlessly once registered
    return CreateWindowExA(0, "OmbrelTestRecorder", "", style, x, 0, 50, 20, parent, nullptr, nullptr, nullptr);
}

}

TEST_CASE("dialog navigation: Return also reaches the control")
{
    // In a control parent the key itself is dispatched; in a popup the
    // control gets a command with code 13.
    const struct {
        DWORD style, exStyle;
        UINT message;
        WPARAM wParam;
    } cases[] = {
        {WS_OVERLAPPED | WS_VISIBLE, WS_EX_CONTROLPARENT, WM_KEYDOWN, VK_RETURN},
        {WS_POPUP | WS_VISIBLE, 0, WM_COMMAND, 13},
    };
    for (const auto& c : cases) {
        CAPTURE(c.message);
        HWND parent = CreateWindowExA(c.exStyle, "STATIC", "parent", c.style, 0, 0, 200, 100, nullptr, nullptr,
                                      nullptr, nullptr);
        HWND first = MakeRecorder(parent, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0);
        MakeRecorder(parent, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 60);
        MSG ret = {first, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
        received.clear();
        CHECK(EApplication::FilterDialogMessage(&ret));
        CHECK((received == std::vector<std::pair<UINT, WPARAM>>{{c.message, c.wParam}}));
        DestroyWindow(parent);
    }
}

TEST_CASE("pumping dispatches one waiting message per call and still sees a late one")
{
    HWND window = MakeRecorder(HWND_MESSAGE, 0, 0);
    REQUIRE(window);
    received.clear();
    PostMessageA(window, WM_APP, 0, 0);
    PostMessageA(window, WM_APP, 0, 0);
    EApplication::PumpOneMessage();
    CHECK(received.size() == 1);
    EApplication::PumpOneMessage();
    CHECK(received.size() == 2);
    // After a look at an empty queue the next looks wait a little, but a
    // message posted now is taken by a later call. (WaitUntil would pump by
    // itself, so this polls by hand.)
    EApplication::PumpOneMessage();
    PostMessageA(window, WM_APP, 0, 0);
    DWORD start = GetTickCount();
    while (received.size() < 3 && GetTickCount() - start < 5000) {
        EApplication::PumpOneMessage();
        Sleep(1);
    }
    CHECK(received.size() == 3);
    DestroyWindow(window);
}
