#ifndef OMBREL_PROGRAMDRIVER_H
#define OMBREL_PROGRAMDRIVER_H

#include <windows.h>

#include <string>

#include "TestProcess.h"

// Finding and driving the windows of Ombrel.exe started by a test, from
// outside its process (DialogScript answers dialogs of this process).

struct WindowSearch {
    DWORD process;           // 0: any process
    const char* className;   // nullptr: any class
    HWND found;
    int count;
};

inline BOOL CALLBACK FindTopLevel(HWND window, LPARAM data)
{
    WindowSearch* search = reinterpret_cast<WindowSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    if ((search->process && process != search->process) ||
        (search->className && lstrcmpA(name, search->className) != 0))
        return TRUE;
    search->count++;
    if (!search->found && IsWindowVisible(window))
        search->found = window;
    return TRUE;
}

// Searched on a snapshot of the top-level windows: a walk along the Z-order
// loses windows when another process brings one forward meanwhile.
inline WindowSearch SearchTopLevel(DWORD process, const char* className)
{
    WindowSearch search = {process, className, nullptr, 0};
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
    return search;
}

// One start of Ombrel.exe.
class Program {
public:
    Program() : process("\"" + TestBinaryFolder() + "\\Ombrel.exe\"") {}

    // The main window once it is there.
    HWND Window()
    {
        WaitUntil([&] { return (window = SearchTopLevel(process.Id(), "Ombrel").found) != nullptr; }, 20000);
        return window;
    }
    bool Close()
    {
        PostMessageA(window, WM_CLOSE, 0, 0);
        return process.Wait(20000);
    }

    TestProcess process;
    HWND window = nullptr;
};

#endif
