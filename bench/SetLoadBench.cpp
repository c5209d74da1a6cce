// set_load_bench
// How long the window takes to start on a set file of 10,000, 50,000 and
// 100,000 sets (best of three): the window is built as the program builds
// it, reading the remembered file into its list and name box; beside it,
// the same file read into a list without a window, once. Then, for
// contrast, the same sets put into the window one at a time at the top, as
// loading once did, for 5,000, 10,000 and 20,000 sets.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "BenchClock.h"
#include "BenchHost.h"
#include "EApplication.h"
#include "ELanguage.h"
#include "EStartup.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "SetFile.h"
#include "SetList.h"

namespace {

const char SettingsKey[] = "Software\\KorvaneSoft\\KorvaneFolderSync\\Settings";
const char ProductKey[] = "Software\\KorvaneSoft\\KorvaneFolderSync";

std::string SetFileOf(int sets)
{
    std::string bytes;
    for (int i = 0; i < sets; ++i) {
        std::string n = std::to_string(i);
        bytes += "[Set " + n + "]\r\nSRC=\"C:\\data\\folder " + n + "\"\r\nDST=\"E:\\backup\\folder " + n +
                 "\"\r\nDELETE=N\r\nDOSTIME=N\r\nFORCE=Y\r\nEXCLUDEOBJ=N\r\n\r\n";
    }
    return bytes;
}

// Seconds from the window's construction to its return; the name box then
// holds count names.
double StartWindow(EApplication& application, int count)
{
    EAttributeList list;
    double start = Now();
    MainWindow window(&application, "Ombrel", MainWindow::Attributes(list, "Ombrel"));
    double seconds = Now() - start;
    if (window.Sets().Count() != count)
        std::printf("  (read %d sets, not %d)\n", window.Sets().Count(), count);
    DestroyWindow(window.Handle());
    return seconds;
}

// The sets added one at a time at the top of the window's list.
double InsertAtTop(EApplication& application, int count)
{
    EAttributeList list;
    MainWindow window(&application, "Ombrel", MainWindow::Attributes(list, "Ombrel"));
    SetList& sets = window.Sets();
    sets.Clear();
    double start = Now();
    for (int i = 0; i < count; ++i) {
        std::snprintf(sets.Current().name, CurrentSet::TextSize, "Set %d", i);
        sets.InsertCurrentAtTop();
    }
    double seconds = Now() - start;
    sets.Clear();
    DestroyWindow(window.Handle());
    return seconds;
}

}

int main(int argc, char** argv)
{
    EApplication application("OmbrelSetLoadBench", argc, argv);
    WindowBenchStart program;
    std::string path = WindowBenchStart::TempFolder() + "ombrel-set-load-bench.ini";
    RegSetKeyValueA(HKEY_CURRENT_USER, SettingsKey, "Ini file", REG_SZ, path.c_str(),
                    static_cast<DWORD>(path.size() + 1));

    for (int count : {10000, 50000, 100000}) {
        std::string bytes = SetFileOf(count);
        WriteBytes(path, bytes);
        double best = 1e9;
        for (int round = 0; round < 3; ++round)
            best = std::min(best, StartWindow(application, count));
        SetList alone;
        double start = Now();
        ReadSetFile(alone, path.c_str());
        double read = Now() - start;
        std::printf("%d sets (%.1f MB): window start, best of 3, %.2f s%s; read into a list alone %.2f s\n", count,
                    bytes.size() / 1e6, best, count == 100000 ? " (target < 2 s)" : "", read);
    }
    for (int count : {5000, 10000, 20000})
        std::printf("one at a time at the top, %d sets: %.2f s\n", count, InsertAtTop(application, count));

    DeleteFileA(path.c_str());
    RegDeleteTreeA(HKEY_CURRENT_USER, ProductKey);
    return 0;
}
