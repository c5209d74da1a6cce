#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "ProgramDriver.h"
#include "ProgramSettings.h"
#include "TempFolder.h"
#include "TestProcess.h"

// The real program, started as a user starts it and driven by window
// messages from here.

namespace {

const char OneSet[] = "[Photos]\r\nSRC=\"C:\\photos\"\r\nDST=\"D:\\backup\"\r\n"
                      "DELETE=Y\r\nDOSTIME=N\r\nFORCE=N\r\nEXCLUDEOBJ=Y\r\n\r\n";

// What a former session leaves: one set in a file the settings name.
struct RememberedSets {
    CleanProgramSettings settings;
    TempFolder folder;
    std::string sets = folder / "sets.ini";

    RememberedSets()
    {
        WriteWholeFile(sets, OneSet);
        RememberSetFile(sets);
    }
};

}

TEST_CASE("program: a start that finds the instance held waits for its window, or takes over when it ends")
{
    // This process plays a first start that owns the mutex and is still on
    // its way to its window; then it shows one, or ends without. A mutex
    // nobody owns stops no start.
    enum First { Shows, Ends, OwnsNothing };
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "Ombrel";
    RegisterClassA(&windowClass);
    for (First first : {Shows, Ends, OwnsNothing}) {
        CAPTURE(first);
        RememberedSets remembered;
        HANDLE mutex = CreateMutexA(nullptr, first != OwnsNothing, "Ombrel");
        REQUIRE(GetLastError() != ERROR_ALREADY_EXISTS);
        Program second;
        REQUIRE(second.process.Started());
        if (first == OwnsNothing) {
            CHECK(second.Window() != nullptr);
            CHECK(second.process.ExitCode() == STILL_ACTIVE);
            CHECK(second.Close());
            CloseHandle(mutex);
            continue;
        }
        CHECK_FALSE(
            WaitUntil([&] { return SearchTopLevel(second.process.Id(), "Ombrel").found != nullptr; }, 1500));
        if (first == Shows) {
            HWND shown = CreateWindowExA(0, "Ombrel", "first", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                         nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
            CHECK(second.process.Wait(10000));
            CHECK(WaitUntil([&] { return GetForegroundWindow() == shown; }, 5000));
            CHECK(SearchTopLevel(0, "Ombrel").count == 1);
            DestroyWindow(shown);
        } else {
            ReleaseMutex(mutex);
            CHECK(second.Window() != nullptr);
            CHECK(second.Close());
        }
        CloseHandle(mutex);
    }
    UnregisterClassA("Ombrel", GetModuleHandleA(nullptr));
}
