// The operation log at a million rows: the memory a row takes in the log
// (its rows kept beside a virtual list) beside today's way of keeping them
// in the list control itself, and the cost of an append as the log does it,
// over the first and the last 100,000 rows. Each way runs in a process of
// its own, so that memory one frees cannot hide what the other takes.
//
// log_append_bench [ROWS [log|control|hidden]]: without a way, runs each.

#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "EApplication.h"
#include "EListRows.h"
#include "EOwnerDrawListView.h"
#include "EStartup.h"
#include "EView.h"

namespace {

// Bytes in use in the process's heaps.
unsigned long long HeapBytes()
{
    HANDLE heaps[64];
    DWORD count = GetProcessHeaps(64, heaps);
    unsigned long long total = 0;
    for (DWORD h = 0; h < count && h < 64; h++) {
        PROCESS_HEAP_ENTRY entry = {};
        HeapLock(heaps[h]);
        while (HeapWalk(heaps[h], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                total += entry.cbData;
        HeapUnlock(heaps[h]);
    }
    return total;
}

struct Memory {
    unsigned long long heap, privateBytes, workingSet;
    Memory() : heap(HeapBytes())
    {
        PROCESS_MEMORY_COUNTERS_EX counters = {};
        counters.cb = sizeof counters;
        GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof counters);
        privateBytes = counters.PrivateUsage;
        workingSet = counters.WorkingSetSize;
    }
};

void ReportMemory(const char* way, const Memory& before, const Memory& after, int rows)
{
    auto per = [&](unsigned long long a, unsigned long long b) { return (static_cast<double>(b) - a) / rows; };
    std::printf("%-28s bytes per row: heap %6.0f   private %6.0f   working set %6.0f\n", way,
                per(before.heap, after.heap), per(before.privateBytes, after.privateBytes),
                per(before.workingSet, after.workingSet));
}

// A path of 60 bytes as a run logs them: a few hundred folders four deep,
// a hundred files each, names of 8 to 20 characters.
std::wstring Path(const wchar_t* root, int row)
{
    int folder = row / 100;
    std::wstring path = std::wstring(root) + L"\\Projects\\area" + std::to_wstring(folder % 7) + L"\\module" +
                        std::to_wstring(folder % 53) + L"\\part" + std::to_wstring(folder) + L"\\";
    std::wstring name = L"file" + std::to_wstring(row) + L"_" + std::wstring(row % 13, L'n') + L".txt";
    path += name;
    path.resize(60, L'x');
    return path;
}

// Dispatches what is queued; returns the seconds the dispatching took
// (the log's timer painting), not the looking, which is the run's cost.
double Pump()
{
    MSG message;
    double spent = 0;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        double start = Now();
        DispatchMessageA(&message);
        spent += Now() - start;
    }
    return spent;
}

double Mean(const std::vector<double>& values)
{
    double sum = 0;
    for (double value : values)
        sum += value;
    return values.empty() ? 0 : sum / values.size();
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

const EListColumn Columns[] = {{"Operation", 80, 0}, {"Source", 300, 0}, {"Destination", 200, 0}};

// The log in a visible window of 700 by 400, rows appended as a run
// appends them, a message dispatched every 16 rows.
int RunLog(int rows, bool hidden)
{
    EApplication application("OmbrelLogBench", 0, nullptr);
    EApplication::instance = GetModuleHandleA(nullptr);
    EAttributeList viewList, logList;
    EView view(nullptr, "bench", viewList.Set(EKey::ClassName, "OmbrelBenchView")
                                     .Set(EKey::Style, WS_OVERLAPPEDWINDOW | (hidden ? 0 : WS_VISIBLE))
                                     .Set(EKey::Width, 700)
                                     .Set(EKey::Height, 400));
    Memory before;
    EOwnerDrawListView log(&view, "", logList.Set(EKey::Width, 680).Set(EKey::Height, 360)
                                          .Set(EKey::ExStyle, WS_EX_CLIENTEDGE)
                                          .Set(EKey::Style, LVS_REPORT | LVS_SINGLESEL));
    log.InsertColumns(3, Columns);
    // The time in the log's own code: the appends and the timer's pictures,
    // in batches of 100 rows. The mean takes in every picture painted and
    // every moment the process waited for a core; the median of the
    // batches, what an append costs on an idle machine.
    const int window = rows / 10, batch = 100;
    std::vector<double> early, late;
    double spent = 0;
    for (int i = 0; i < rows; i++) {
        std::wstring source = Path(L"C:", i), target = Path(L"D:", i);
        const wchar_t* texts[] = {L"copy", source.c_str(), target.c_str()};
        double start = Now();
        log.AppendRow(texts, 3);
        spent += Now() - start;
        if (i % 16 == 0)
            spent += Pump();
        if (i % batch == batch - 1) {
            if (i < window)
                early.push_back(spent / batch);
            else if (i >= rows - window)
                late.push_back(spent / batch);
            spent = 0;
        }
    }
    log.RefreshPicture();
    Memory after;
    const char* way = hidden ? "log, hidden:" : "log:";
    std::printf("%-28s append first %d: %6.2f us/row (median %5.2f)   last %d: %6.2f us/row (median %5.2f)\n",
                way, window, Mean(early) * 1e6, Median(early) * 1e6, window, Mean(late) * 1e6, Median(late) * 1e6);
    ReportMemory(way, before, after, rows);
    int count = static_cast<int>(SendMessageA(log.Handle(), LVM_GETITEMCOUNT, 0, 0));
    int top = static_cast<int>(SendMessageA(log.Handle(), LVM_GETTOPINDEX, 0, 0));
    int selected = static_cast<int>(SendMessageA(log.Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    std::printf("%-28s rows %d, selected %d, top row %d\n", way, count, selected, top);
    return count == rows && selected == rows - 1 ? 0 : 1;
}

// Today's storage: every cell's text inside the list control, inserted with
// drawing off (the cheapest way the control takes rows).
int RunControl(int rows)
{
    HWND parent = CreateWindowExA(0, "STATIC", "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 700, 400, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    Memory before;
    HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                                WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_OWNERDRAWFIXED, 0, 0, 680, 360,
                                parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    EListInsertColumns(list, 3, Columns);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    const int window = rows / 10;
    double early = 0, start = Now();
    for (int i = 0; i < rows; i++) {
        if (i == window)
            early = Now() - start;
        if (i == rows - window)
            start = Now();
        std::wstring source = Path(L"C:", i), target = Path(L"D:", i);
        const wchar_t* texts[] = {L"copy", source.c_str(), target.c_str()};
        EListInsertRow(list, i, texts, 3);
    }
    double late = Now() - start;
    Memory after;
    std::printf("%-28s insert first %d: %6.2f us/row   last %d: %6.2f us/row   ratio %.2f\n", "in the control:",
                window, early / window * 1e6, window, late / window * 1e6, late / early);
    ReportMemory("in the control:", before, after, rows);
    // Not destroyed: the control frees a million rows one by one, for
    // minutes under Wine, and so would the end of the thread.
    (void)parent;
    TerminateProcess(GetCurrentProcess(), 0);
    return 0;
}

int RunChild(const char* self, int rows, const char* way)
{
    std::string command = std::string("\"") + self + "\" " + std::to_string(rows) + " " + way;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
        return 1;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

}

int main(int argc, char** argv)
{
    EStartProgram();
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    int rows = argc > 1 ? std::atoi(argv[1]) : 1000000;
    if (rows < 10)
        rows = 10;
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    if (argc > 2 && std::strcmp(argv[2], "log") == 0)
        return RunLog(rows, false);
    if (argc > 2 && std::strcmp(argv[2], "hidden") == 0)
        return RunLog(rows, true);
    if (argc > 2 && std::strcmp(argv[2], "control") == 0)
        return RunControl(rows);
    std::printf("rows: %d, paths of 60 characters\n", rows);
    int failed = RunChild(argv[0], rows, "log");
    failed |= RunChild(argv[0], rows, "hidden");
    failed |= RunChild(argv[0], rows, "control");
    return failed;
}
