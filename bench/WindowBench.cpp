// window_bench [FILES [FOLDER [--keep]]]
// A run through the program's window (log on) against the same run without
// a window, side by side on one tree of small files (10,000 by default) in
// FOLDER (the temporary folder by default; a memory disk gives steadier
// figures; with --keep the trees are left there for the caller to remove,
// which a Linux shell does far faster than a run through Wine),
// best of three interleaved rounds; and how long the window's thread went
// without taking a message from its queue during the window's runs. A
// window's run is timed up to its success report.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "BenchHost.h"
#include "BoxErrors.h"
#include "WidePath.h"
#include "EApplication.h"
#include "EBitmapButton.h"
#include "EStartup.h"
#include "EOwnerDrawListView.h"
#include "FileActions.h"
#include "FileTrees.h"
#include "MessageBoxes.h"
#include "MainWindow.h"
#include "RunLog.h"
#include "SyncRun.h"
#include "UnattendedHost.h"

namespace {

const char SettingsKey[] = "Software\\KorvaneSoft\\KorvaneFolderSync\\Settings";
const char ProductKey[] = "Software\\KorvaneSoft\\KorvaneFolderSync";

// FILES small files, a hundred to a folder.
void MakeTree(const std::string& source, int files)
{
    CreateDirectoryA(source.c_str(), nullptr);
    for (int i = 0; i < files; ++i) {
        std::string folder = source + "\\d" + std::to_string(i / 100);
        if (i % 100 == 0)
            CreateDirectoryA(folder.c_str(), nullptr);
        WriteBytes(folder + "\\file" + std::to_string(i) + ".txt", std::string(200 + i % 300, 'x'));
    }
}

void RemoveIfThere(const std::string& path)
{
    BoxErrors errors(nullptr);
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        DeleteTree(errors, Widen(path.c_str()));
}

double HeadlessRun(const std::string& source, const std::string& destination)
{
    RunLog log(false);
    UnattendedHost::Rules rules;
    rules.yes = true;
    UnattendedHost host(log, rules);
    SyncOptions options;
    options.force = 1;
    SyncRun run(host, options);
    double start = Now();
    run.RunSet(source.c_str(), destination.c_str());
    return Now() - start;
}

// The success report is answered as soon as it shows. The run ends when
// it is about to be made: the run without a window has no report.
HHOOK hook;
double reportAt;
LRESULT CALLBACK AnswerReport(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND || code == HCBT_ACTIVATE) {
        char name[32] = "";
        GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
        if (lstrcmpA(name, "#32770") == 0) {
            if (code == HCBT_CREATEWND && !reportAt)
                reportAt = Now();
            if (code == HCBT_ACTIVATE)
                PostMessageA(reinterpret_cast<HWND>(wParam), WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

// Times at which the window's thread took a message from its queue. A
// 5 ms timer keeps one due at all times (a timer ticks at most every 10 ms
// and yields to every other message, so its own ticks are printed too, as
// an upper bound).
std::vector<double> taken, ticks;
HHOOK takeHook;
LRESULT CALLBACK Took(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && wParam == PM_REMOVE)
        taken.push_back(Now());
    return CallNextHookEx(takeHook, code, wParam, lParam);
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
{
    ticks.push_back(Now());
}

// The longest time between two of the times up to end, and when it began.
double LongestGap(const std::vector<double>& times, double end, double* at)
{
    double longest = 0;
    for (std::size_t i = 1; i < times.size() && times[i] <= end; ++i) {
        if (times[i] - times[i - 1] > longest) {
            longest = times[i] - times[i - 1];
            *at = times[i - 1];
        }
    }
    return longest;
}

struct WindowResult {
    double seconds;
    double longestGap;
    // Seconds into the run when it began.
    double gapAt;
    double longestTick;
    int rows;
    double logSeconds;
};

WindowResult WindowRun(EApplication& application, const std::string& destination)
{
    EAttributeList list;
    MainWindow window(&application, "Ombrel", MainWindow::Attributes(list, "Ombrel"));
    ShowWindow(window.Handle(), SW_SHOWNORMAL);
    UpdateWindow(window.Handle());
    hook = SetWindowsHookExA(WH_CBT, AnswerReport, nullptr, GetCurrentThreadId());
    taken.clear();
    ticks.clear();
    reportAt = 0;
    takeHook = SetWindowsHookExA(WH_GETMESSAGE, Took, nullptr, GetCurrentThreadId());
    UINT_PTR timer = SetTimer(nullptr, 0, 5, Tick);
    double start = Now();
    // The click counts as a message taken: the run's start holds the
    // thread up as much as any of its steps.
    taken.push_back(start);
    ticks.push_back(start);
    HWND down = window.DownButton()->Handle();
    SendMessageA(window.Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(down));
    double end = reportAt ? reportAt : Now();
    KillTimer(nullptr, timer);
    UnhookWindowsHookEx(takeHook);
    UnhookWindowsHookEx(hook);
    double at = start, tickAt = start;
    double longest = LongestGap(taken, end, &at);
    double longestTick = LongestGap(ticks, end, &tickAt);
    double seconds = end - start;
    int rows = window.Log()->RowCount();
    // The log's share: as many rows again, appended alone.
    std::wstring path = Widen((destination + "\\d12\\file1234.txt").c_str());
    double logStart = Now();
    for (int i = 0; i < rows; ++i)
        window.LogOperation("copy", path, path);
    double logSeconds = Now() - logStart;
    DestroyWindow(window.Handle());
    return WindowResult{seconds, longest, at - start, longestTick, rows, logSeconds};
}

}

int main(int argc, char** argv)
{
    int files = argc > 1 ? std::atoi(argv[1]) : 10000;
    EApplication application("OmbrelWindowBench", argc, argv);
    WindowBenchStart program;
    std::string folder = argc > 2 ? std::string(argv[2]) + "\\" : WindowBenchStart::TempFolder();
    std::string root = folder + "ombrel-window-bench";
    RemoveIfThere(root);
    CreateDirectoryA(root.c_str(), nullptr);
    std::string source = root + "\\source";
    std::string destination = root + "\\destination";
    std::string sets = root + "\\sets.ini";
    MakeTree(source, files);
    WriteBytes(sets, "[Bench]\r\nSRC=\"" + source + "\"\r\nDST=\"" + destination +
                        "\"\r\nDELETE=N\r\nDOSTIME=N\r\nFORCE=Y\r\nEXCLUDEOBJ=N\r\n\r\n");
    RegSetKeyValueA(HKEY_CURRENT_USER, SettingsKey, "Ini file", REG_SZ, sets.c_str(),
                    static_cast<DWORD>(sets.size() + 1));

    double bestHeadless = 1e9, bestWindow = 1e9, worstGap = 0, worstTick = 0;
    for (int round = 0; round < 3; ++round) {
        // A copied tree is moved aside, not deleted: deleting 200,000 files
        // through Wine takes far longer than the runs.
        MoveFileA(destination.c_str(), (root + "\\copy" + std::to_string(2 * round)).c_str());
        CreateDirectoryA(destination.c_str(), nullptr);
        double headless = HeadlessRun(source, destination);
        MoveFileA(destination.c_str(), (root + "\\copy" + std::to_string(2 * round + 1)).c_str());
        CreateDirectoryA(destination.c_str(), nullptr);
        WindowResult window = WindowRun(application, destination);
        std::printf("round %d: headless %.2f s, window %.2f s (%d rows; the rows alone %.2f s), longest gap %.1f ms "
                    "at %.2f s (between two timer ticks %.1f ms)\n",
                    round + 1, headless, window.seconds, window.rows, window.logSeconds, window.longestGap * 1000,
                    window.gapAt, window.longestTick * 1000);
        std::fflush(stdout);
        bestHeadless = std::min(bestHeadless, headless);
        bestWindow = std::min(bestWindow, window.seconds);
        worstGap = std::max(worstGap, window.longestGap);
        worstTick = std::max(worstTick, window.longestTick);
    }
    std::printf("full copy of %d files, best of 3: window %.2f s / headless %.2f s = %.2f (target <= 1.2)\n", files,
                bestWindow, bestHeadless, bestWindow / bestHeadless);
    std::printf("longest time without a dispatched message during the window's runs: %.1f ms (target < 50; "
                "between two timer ticks %.1f ms)\n",
                worstGap * 1000, worstTick * 1000);

    RegDeleteTreeA(HKEY_CURRENT_USER, ProductKey);
    if (argc > 3 && std::string(argv[3]) == "--keep")
        std::printf("trees left in %s\n", root.c_str());
    else
        RemoveIfThere(root);
    return 0;
}
