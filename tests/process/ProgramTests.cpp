#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "ProgramDriver.h"
#include "ProgramSettings.h"
#include "TempFolder.h"
#include "TestProcess.h"
#include "TreeBuilder.h"

// The real program, started as a user starts it and driven by window
// messages from here.

namespace {

const char OneSet[] = "[Photos]\r\nSRC=\"C:\\photos\"\r\nDST=\"D:\\backup\"\r\n"
                      "DELETE=Y\r\nDOSTIME=N\r\nFORCE=N\r\nEXCLUDEOBJ=Y\r\n\r\n";

}

TEST_CASE("program: a second start brings the first window forward and ends")
{
    CleanProgramSettings settings;
    TempFolder folder;
    std::string sets = folder / "sets.ini";
    WriteWholeFile(sets, OneSet);
    RememberSetFile(sets);
    REQUIRE(CountWindowsOfClass("Ombrel") == 0);
    Program first;
    HWND window = first.Window();
    REQUIRE(window != nullptr);

    // Something else in front, so bringing the first window forward shows.
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    WaitUntil([&] { return GetForegroundWindow() == other; }, 2000);

    Program second;
    REQUIRE(second.process.Started());
    CHECK(second.process.Wait(20000));
    CHECK(CountWindowsOfClass("Ombrel") == 1);
    CHECK(first.process.ExitCode() == STILL_ACTIVE);
    CHECK(WaitUntil([&] { return GetForegroundWindow() == window; }, 5000));

    DestroyWindow(other);
    CHECK(first.Close());
}

LRESULT CALLBACK PlainProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_CASE("program: a start that finds the instance held waits for its window, or takes over when it ends")
{
    // This process plays a first start that owns the mutex and is still on
    // its way to its window; then it shows one, or ends without.
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = PlainProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "Ombrel";
    RegisterClassA(&windowClass);
    for (bool firstShows : {true, false}) {
        INFO(firstShows);
        CleanProgramSettings settings;
        TempFolder folder;
        std::string sets = folder / "sets.ini";
        WriteWholeFile(sets, OneSet);
        RememberSetFile(sets);
        HANDLE mutex = CreateMutexA(nullptr, TRUE, "Ombrel");
        REQUIRE(GetLastError() != ERROR_ALREADY_EXISTS);
        Program second;
        REQUIRE(second.process.Started());
        CHECK_FALSE(WaitUntil([&] { return FindTopLevelWindow(second.process.Id(), "Ombrel") != nullptr; }, 1500));
        HWND first = nullptr;
        if (firstShows)
            first = CreateWindowExA(0, "Ombrel", "first", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                    nullptr, GetModuleHandleA(nullptr), nullptr);
        else
            ReleaseMutex(mutex);
        if (firstShows) {
            CHECK(second.process.Wait(10000));
            CHECK(WaitUntil([&] { return GetForegroundWindow() == first; }, 5000));
            CHECK(CountWindowsOfClass("Ombrel") == 1);
            DestroyWindow(first);
        } else {
            CHECK(second.Window() != nullptr);
            CHECK(second.Close());
        }
        CloseHandle(mutex);
    }
    UnregisterClassA("Ombrel", GetModuleHandleA(nullptr));
}

TEST_CASE("program: the mutex alone does not stop a start")
{
    CleanProgramSettings settings;
    TempFolder folder;
    RememberSetFile(folder / "sets.ini");
    REQUIRE(CountWindowsOfClass("Ombrel") == 0);
    HANDLE mutex = CreateMutexA(nullptr, FALSE, "Ombrel");
    REQUIRE(mutex != nullptr);
    Program program;
    CHECK(program.Window() != nullptr);
    CHECK(program.process.ExitCode() == STILL_ACTIVE);
    CHECK(program.Close());
    CloseHandle(mutex);
}

TEST_CASE("program: closed while minimised, it keeps an unchanged set file and starts on screen next time")
{
    CleanProgramSettings settings;
    TempFolder folder;
    std::string sets = folder / "sets.ini";
    WriteWholeFile(sets, OneSet);
    SetWriteTicks(sets, TicksOf(2019, 5, 1));
    RememberSetFile(sets);
    {
        Program program;
        HWND window = program.Window();
        REQUIRE(window != nullptr);
        ShowWindow(window, SW_MINIMIZE);
        CHECK(WaitUntil([&] { return IsIconic(window) != FALSE; }));
        CHECK(program.Close());
    }
    CHECK(SettingNumber("Left") > -1000);
    CHECK(SettingNumber("Width") == 488);
    CHECK(ReadWholeFile(sets) == OneSet);
    CHECK(WriteTicks(sets) == TicksOf(2019, 5, 1));
    Program again;
    HWND window = again.Window();
    REQUIRE(window != nullptr);
    RECT frame;
    GetWindowRect(window, &frame);
    RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT common;
    CHECK(IntersectRect(&common, &frame, &screen));
    CHECK(again.Close());
}
