#include <doctest/doctest.h>

#include <windows.h>

#include <vector>

#include "EApplication.h"

namespace {

std::vector<UINT> received;
std::vector<WPARAM> receivedWParams;

LRESULT CALLBACK RecordingProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND || message == WM_KEYDOWN) {
        received.push_back(message);
        receivedWParams.push_back(wParam);
    }
    return DefWindowProcA(handle, message, wParam, lParam);
}

// A parent of the given styles with two tab-stop children of a recording
// class.
struct Family {
    HWND parent;
    HWND first;
    HWND second;

    Family(DWORD style, DWORD exStyle)
    {
        static bool registered;
        if (!registered) {
            WNDCLASSA wc = {};
            wc.lpfnWndProc = RecordingProc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "OmbrelTestRecorder";
            RegisterClassA(&wc);
            registered = true;
        }
        parent = CreateWindowExA(exStyle, "STATIC", "parent", style, 0, 0, 200, 100, nullptr, nullptr, nullptr,
                                 nullptr);
        first = CreateWindowExA(0, "OmbrelTestRecorder", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 50, 20, parent,
                                nullptr, nullptr, nullptr);
        second = CreateWindowExA(0, "OmbrelTestRecorder", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 60, 0, 50, 20,
                                 parent, nullptr, nullptr, nullptr);
        received.clear();
        receivedWParams.clear();
    }
    ~Family() { DestroyWindow(parent); }
};

MSG KeyDown(HWND window, WPARAM key)
{
    MSG message = {};
    message.hwnd = window;
    message.message = WM_KEYDOWN;
    message.wParam = key;
    return message;
}

}

TEST_CASE("dialog navigation: Return also reaches the control")
{
    SUBCASE("control parent: the key itself is dispatched to the control")
    {
        Family family(WS_OVERLAPPED | WS_VISIBLE, WS_EX_CONTROLPARENT);
        MSG ret = KeyDown(family.first, VK_RETURN);
        CHECK(EApplication::FilterDialogMessage(&ret));
        REQUIRE(received.size() == 1);
        CHECK(received[0] == WM_KEYDOWN);
        CHECK(receivedWParams[0] == VK_RETURN);
    }
    SUBCASE("popup: the control gets a command with code 13")
    {
        Family family(WS_POPUP | WS_VISIBLE, 0);
        MSG ret = KeyDown(family.first, VK_RETURN);
        CHECK(EApplication::FilterDialogMessage(&ret));
        REQUIRE(received.size() == 1);
        CHECK(received[0] == WM_COMMAND);
        CHECK(receivedWParams[0] == 13);
    }
}

namespace {

int dispatched;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP)
        ++dispatched;
    return DefWindowProcA(window, message, wParam, lParam);
}

}

TEST_CASE("pumping dispatches one waiting message per call and still sees a late one")
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = CountingProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "OmbrelPumpProbe";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("OmbrelPumpProbe", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    REQUIRE(window);
    PostMessageA(window, WM_APP, 0, 0);
    PostMessageA(window, WM_APP, 0, 0);
    EApplication::PumpOneMessage();
    CHECK(dispatched == 1);
    EApplication::PumpOneMessage();
    CHECK(dispatched == 2);
    // After a look at an empty queue the next looks wait a little, but a
    // message posted now is taken by a later call. (WaitUntil would pump by
    // itself, so this polls by hand.)
    EApplication::PumpOneMessage();
    PostMessageA(window, WM_APP, 0, 0);
    DWORD start = GetTickCount();
    while (dispatched < 3 && GetTickCount() - start < 5000) {
        EApplication::PumpOneMessage();
        Sleep(1);
    }
    CHECK(dispatched == 3);
    DestroyWindow(window);
}
