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

// Text for the console and files: UTF-8, whatever the code page, so that
// every name comes out as it is.
inline std::string Utf8(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    int length = static_cast<int>(text.size());
    int needed = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(needed > 0 ? needed : 0), '\0');
    if (needed > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, &bytes[0], needed, nullptr, nullptr);
    return bytes;
}

// A run without a window: every question answered Yes but the deletion
// guard's, which is No unless massDelete is set; rows printed only when asked
// for, errors printed as they come; the last error is the reason the run
// stopped.
class ConsoleHost : public SyncHost {
public:
    explicit ConsoleHost(bool verbose = false, bool massDelete = false) : verbose(verbose), massDelete(massDelete) {}
    int ConfirmReplace(const std::wstring&, const std::wstring&) override { return IDYES; }
    int ConfirmDeleteFile(const std::wstring&, bool) override { return IDYES; }
    int ConfirmRemoveFolder(const std::wstring&, bool) override { return IDYES; }
    int ConfirmMassDelete(int deleting, int files, const std::wstring& folder) override
    {
        std::fprintf(stderr, "%s %d of %d files in %s\n", massDelete ? "deleting" : "refused: would delete", deleting,
                     files, Utf8(folder).c_str());
        return massDelete ? IDYES : IDNO;
    }
    int ConfirmPermanentDelete(const std::wstring&) override { return IDYES; }
    void LogOperation(const char* operation, const std::wstring& first, const std::wstring& second) override
    {
        if (verbose)
            std::printf("%s\t%s\t%s\n", operation, Utf8(first).c_str(), Utf8(second).c_str());
    }
    void ShowStatus(const std::wstring&) override {}
    void ShowError(const std::wstring& text) override
    {
        reason = text;
        std::fprintf(stderr, "%s\n", Utf8(text).c_str());
    }
    void PumpOneMessage() override { ::PumpOneMessage(); }
    // A click on Abort at abortAt (GetTickCount64), when set.
    bool AbortRequested() override { return abortAt != 0 && GetTickCount64() >= abortAt; }
    void ClearAbort() override {}

    std::wstring reason;
    ULONGLONG abortAt = 0;

private:
    bool verbose;
    bool massDelete;
};

#endif
