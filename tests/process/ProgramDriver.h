#ifndef OMBREL_PROGRAMDRIVER_H
#define OMBREL_PROGRAMDRIVER_H

#include <windows.h>

#include <string>

#include "TestProcess.h"

// Finding and driving the windows of Ombrel.exe started by a test.

struct WindowSearch {
    DWORD process;
    const char* className;
    const char* caption;
    HWND found;
};

inline BOOL CALLBACK FindTopLevel(HWND window, LPARAM data)
{
    WindowSearch* search = reinterpret_cast<WindowSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char name[64] = "";
    char caption[256] = "";
    GetClassNameA(window, name, sizeof name);
    GetWindowTextA(window, caption, sizeof caption);
    if ((search->process && process != search->process) || lstrcmpA(name, search->className) != 0 ||
        !IsWindowVisible(window) || (search->caption && lstrcmpA(caption, search->caption) != 0))
        return TRUE;
    search->found = window;
    return FALSE;
}

inline HWND FindTopLevelWindow(DWORD process, const char* className, const char* caption = nullptr)
{
    WindowSearch search = {process, className, caption, nullptr};
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct ClassCount {
    const char* className;
    int count;
};

inline BOOL CALLBACK CountClass(HWND window, LPARAM lParam)
{
    auto* counting = reinterpret_cast<ClassCount*>(lParam);
    char name[64];
    counting->count += GetClassNameA(window, name, sizeof name) && lstrcmpA(name, counting->className) == 0;
    return TRUE;
}

// Counted on a snapshot of the top-level windows: a walk along the
// Z-order loses windows when another process brings one forward meanwhile.
inline int CountWindowsOfClass(const char* className)
{
    ClassCount counted = {className, 0};
    EnumWindows(CountClass, reinterpret_cast<LPARAM>(&counted));
    return counted.count;
}

// The nth child of a class, in creation order.
inline HWND Child(HWND parent, const char* className, int nth = 0)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[64] = "";
        GetClassNameA(child, name, sizeof name);
        if (lstrcmpiA(name, className) == 0 && nth-- == 0)
            return child;
    }
    return nullptr;
}

inline std::string TextOf(HWND window)
{
    char text[512] = "";
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// One start of Ombrel.exe.
class Program {
public:
    Program() : process("\"" + TestBinaryFolder() + "\\Ombrel.exe\"") {}

    // The main window once it is there.
    HWND Window()
    {
        WaitUntil([&] { return (window = FindTopLevelWindow(process.Id(), "Ombrel")) != nullptr; }, 20000);
        return window;
    }
    HWND WaitDialog(const char* caption)
    {
        HWND dialog = nullptr;
        WaitUntil([&] { return (dialog = FindTopLevelWindow(process.Id(), "#32770", caption)) != nullptr; }, 20000);
        return dialog;
    }
    bool Close()
    {
        PostMessageA(window, WM_CLOSE, 0, 0);
        return process.Wait(20000);
    }

    TestProcess process;
    HWND window = nullptr;
};

inline void Press(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

#endif
