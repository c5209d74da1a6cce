#ifndef OMBREL_BENCHHOST_H
#define OMBREL_BENCHHOST_H

#include <windows.h>

#include <cstdio>
#include <string>

#include "EApplication.h"
#include "EStartup.h"
#include "MessageBoxes.h"

// A benchmark never waits on a box: each one becomes a line on the error
// stream and is answered OK; the last one is the reason a run stopped.
class PrintingReporter : public EBoxReporter {
public:
    int Report(HWND, const char* text, const char* caption, UINT) override
    {
        std::fprintf(stderr, "%s: %s\n", caption, text);
        reason = text;
        return IDOK;
    }
    std::string reason;
};

// The start of a benchmark that opens windows: the module and the platform
// set up as the program's own start does, and boxes printed instead of
// shown while the object lives.
class WindowBenchStart {
public:
    WindowBenchStart()
    {
        EApplication::instance = GetModuleHandleA(nullptr);
        EStartProgram();
        previous = SetBoxReporter(&reporter);
    }
    ~WindowBenchStart() { SetBoxReporter(previous); }
    WindowBenchStart(const WindowBenchStart&) = delete;
    WindowBenchStart& operator=(const WindowBenchStart&) = delete;

    // The system's temporary folder, with its trailing separator.
    static std::string TempFolder()
    {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        return temp;
    }

private:
    PrintingReporter reporter;
    EBoxReporter* previous;
};

#endif
