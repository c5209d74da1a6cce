#include <doctest/doctest.h>

#include <windows.h>

#include <commctrl.h>

#include "FrameSettings.h"

namespace {

bool Same(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool OnPrimaryMonitor(const RECT& r)
{
    return r.left >= 0 && r.top >= 0 && r.right <= GetSystemMetrics(SM_CXSCREEN) &&
           r.bottom <= GetSystemMetrics(SM_CYSCREEN);
}

// A shown top-level frame with a report list holding three columns.
struct Frame {
    Frame()
    {
        InitCommonControls();
        window = CreateWindowExA(0, "STATIC", "Frame", WS_OVERLAPPEDWINDOW, 100, 90, 488, 480, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        log = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT, 0, 0, 400, 200, window, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
        LVCOLUMNA column = {};
        column.mask = LVCF_WIDTH;
        column.cx = 50;
        for (int i = 0; i < 3; ++i)
            SendMessageA(log, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
        ShowWindow(window, SW_SHOWNORMAL);
    }
    ~Frame() { DestroyWindow(window); }

    HWND window;
    HWND log;
};

}

TEST_CASE("frame settings: the kept rectangle is the restored one in every state")
{
    Frame frame;
    FrameSettings settings(frame.window, frame.log);
    RECT shown;
    GetWindowRect(frame.window, &shown);
    CHECK(Same(settings.WindowRect(), shown));
    CHECK(shown.right - shown.left == 488);

    ShowWindow(frame.window, SW_MINIMIZE);
    CHECK(IsIconic(frame.window));
    CHECK(Same(settings.WindowRect(), shown));

    ShowWindow(frame.window, SW_MAXIMIZE);
    CHECK(IsZoomed(frame.window));
    CHECK(Same(settings.WindowRect(), shown));
}

TEST_CASE("frame settings: a stored rectangle off every monitor comes back on screen")
{
    RECT distant = {-32000, -32000, -31512, -31520};
    RECT moved = KeepOnScreen(distant);
    CHECK(OnPrimaryMonitor(moved));
    CHECK(moved.right - moved.left == 488);
    CHECK(moved.bottom - moved.top == 480);

    RECT huge = {50000, 100, 60000, 20000};
    CHECK(OnPrimaryMonitor(KeepOnScreen(huge)));

    // Partly visible is left where the user put it.
    RECT partly = {-100, 10, 388, 490};
    CHECK(Same(KeepOnScreen(partly), partly));

    Frame frame;
    FrameSettings settings(frame.window, frame.log);
    settings.MoveWindowTo(-32000, -32000, 500, 400);
    RECT now;
    GetWindowRect(frame.window, &now);
    CHECK(OnPrimaryMonitor(now));
    CHECK(now.right - now.left == 500);
}

TEST_CASE("frame settings: column widths of the log")
{
    Frame frame;
    FrameSettings settings(frame.window, frame.log);
    settings.SetColumnWidth(SettingsWindow::SourceColumn, 321);
    settings.SetColumnWidth(SettingsWindow::DestinationColumn, 123);
    CHECK(settings.ColumnWidth(SettingsWindow::SourceColumn) == 321);
    CHECK(settings.ColumnWidth(SettingsWindow::DestinationColumn) == 123);
    CHECK(settings.ColumnWidth(0) == 50);
}
