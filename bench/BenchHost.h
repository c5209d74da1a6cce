#ifndef OMBREL_BENCHHOST_H
#define OMBREL_BENCHHOST_H

#include <windows.h>

#include <cstdio>
#include <string>

#include "EApplication.h"
#include "EStartup.h"
#include "FileActions.h"
#include "MessageBoxes.h"
#include "SyncHost.h"

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

// A run without a window: every question answered Yes, rows printed only
// when asked for.
class ConsoleHost : public SyncHost {
public:
    explicit ConsoleHost(bool verbose = false) : verbose(verbose) {}
    int ConfirmReplace(const std::wstring&, const std::wstring&) override { return IDYES; }
    int ConfirmDeleteFile(const std::wstring&) override { return IDYES; }
    int ConfirmRemoveFolder(const std::wstring&) override { return IDYES; }
    void LogOperation(const char* operation, const std::wstring& first, const std::wstring& second) override
    {
        if (verbose)
            std::printf("%s\t%ls\t%ls\n", operation, first.c_str(), second.c_str());
    }
    void ShowStatus(const std::wstring&) override {}
    // Through the installed reporter, which prints it.
    void ShowError(const std::wstring& text) override { ErrorBoxText(nullptr, text); }
    void PumpOneMessage() override { ::PumpOneMessage(); }
    bool AbortRequested() override { return false; }
    void ClearAbort() override {}

private:
    bool verbose;
};

#endif
