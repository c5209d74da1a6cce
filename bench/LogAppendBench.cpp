// Appending to the operation log: the cost of one append (insert, select,
// scroll into view, repaint) early and late in a long run, the way the list
// does it now beside the plain way that lets the control redraw its scroll
// bar on every row, and the memory a row takes, typical and with every cell
// at its limit.

#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchClock.h"
#include "EListRows.h"
#include "EStartup.h"

namespace {

long paintedRows = 0;

LRESULT CALLBACK ParentProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DRAWITEM) {
        paintedRows++;
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        EListDrawRow(item->hwndItem, *item);
        return TRUE;
    }
    return DefWindowProcA(handle, message, wParam, lParam);
}

struct Log {
    HWND parent;
    HWND list;
    Log()
    {
        parent = CreateWindowExA(0, "OmbrelBenchParent", "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 700, 400,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                               WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_OWNERDRAWFIXED, 0, 0, 680, 360,
                               parent, nullptr, GetModuleHandleA(nullptr), nullptr);
        const EListColumn columns[] = {{"Operation", 80, 0}, {"Source", 300, 0}, {"Destination", 200, 0}};
        EListInsertColumns(list, 3, columns);
    }
    ~Log() { DestroyWindow(parent); }
};

// Bytes in use in the process's heaps (Wine reports no private bytes).
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

void Pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

enum Mode { Fill, Plain, Full };

// The append as it was: every step drawn by the control as it happens, the
// scroll bar twice per row (its range, then its position).
void PlainAppend(HWND list, const char* const* texts, int count)
{
    EListAppendRowPlain(list, texts, count);
    UpdateWindow(list);
}

// Appends rows [from, to) with texts of the given path length; returns
// seconds. Fill only inserts, with drawing switched off: it brings a list to
// size quickly and shows what the control's own insertion costs.
double Append(const Log& log, int from, int to, std::size_t pathLength, Mode mode)
{
    double start = Now();
    if (mode == Fill)
        SendMessageA(log.list, WM_SETREDRAW, FALSE, 0);
    for (int i = from; i < to; i++) {
        std::string path = "C:\\sync\\folder" + std::to_string(i % 97) + "\\file" + std::to_string(i) + ".txt";
        path.resize(pathLength, 'x');
        const char* texts[] = {"copy", path.c_str(), path.c_str()};
        if (mode == Full)
            EListAppendRow(log.list, texts, 3);
        else if (mode == Plain)
            PlainAppend(log.list, texts, 3);
        else
            EListInsertRow(log.list, i, texts, 3);
        // A run dispatches a message per file; here the timer that draws the
        // scroll bar at last gets its turn now and then.
        if (i % 16 == 0)
            Pump();
    }
    if (mode == Fill)
        SendMessageA(log.list, WM_SETREDRAW, TRUE, 0);
    Pump();
    return Now() - start;
}

// Both ways of appending, in turns of a few rows so that a change of load
// falls on both alike; the seconds each took go into plain and full, the
// rows painted the new way into fullPainted.
void AppendBoth(const Log& log, int from, int to, double& plain, double& full, long& fullPainted)
{
    const int turn = 25;
    plain = full = 0;
    fullPainted = 0;
    for (int i = from; i < to; i += 2 * turn) {
        plain += Append(log, i, i + turn, 60, Plain);
        long painted = paintedRows;
        full += Append(log, i + turn, i + 2 * turn, 60, Full);
        fullPainted += paintedRows - painted;
    }
}

void Report(const char* what, double early, double late, int window)
{
    std::printf("%-32s first %d: %8.1f us/row   last %d: %8.1f us/row   ratio last/first: %.2f\n", what, window,
                early / window * 1e6, window, late / window * 1e6, late / early);
}

}

int main(int argc, char** argv)
{
    EStartProgram();
    int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int window = 500;
    if (rows < 6 * window)
        rows = 6 * window;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "OmbrelBenchParent";
    RegisterClassA(&wc);
    std::printf("rows: %d\n", rows);

    // The same list, measured early and late; filled in between with
    // drawing off, since a full append costs milliseconds under Wine.
    {
        Log log;
        unsigned long long before = HeapBytes();
        double insertEarly = Append(log, 0, window, 60, Fill);
        double plainEarly, fullEarly;
        long painted;
        AppendBoth(log, window, 3 * window, plainEarly, fullEarly, painted);
        Append(log, 3 * window, rows - 3 * window, 60, Fill);
        double insertLate = Append(log, rows - 3 * window, rows - 2 * window, 60, Fill);
        double plainLate, fullLate;
        AppendBoth(log, rows - 2 * window, rows, plainLate, fullLate, painted);
        unsigned long long after = HeapBytes();
        Report("insert, drawing off:", insertEarly, insertLate, window);
        Report("append, scroll bar every row:", plainEarly, plainLate, window);
        Report("append as the log does it:", fullEarly, fullLate, window);
        std::printf("ratio every row / as the log:    first %d: %.2f   last %d: %.2f\n", window,
                    plainEarly / fullEarly, window, plainLate / fullLate);
        std::printf("rows painted per append, list full: %.1f (%d rows on a page)\n",
                    static_cast<double>(painted) / window,
                    static_cast<int>(SendMessageA(log.list, LVM_GETCOUNTPERPAGE, 0, 0)));
        std::printf("memory per row, 60-byte paths: %.0f bytes\n", static_cast<double>(after - before) / rows);
    }
    {
        const int full = rows / 5;
        Log log;
        unsigned long long before = HeapBytes();
        Append(log, 0, full, 4000, Fill); // cut to the cell limit
        unsigned long long after = HeapBytes();
        std::printf("memory per row, every cell at the %d-byte limit (%d rows): %.0f bytes\n", EListCellLimit, full,
                    static_cast<double>(after - before) / full);
    }
    return 0;
}
