#include <doctest/doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "EApplicationView.h"
#include "EStatusBar.h"
#include "FrameworkFixture.h"
#include "MenuIds.h"

namespace {

EAttributeList& FrameList(EAttributeList& list)
{
    return list.Set(EKey::ClassName, "OmbrelTestBarsFrame")
        .Set(EKey::Style, WS_THICKFRAME | WS_VISIBLE)
        .Set(EKey::X, 40)
        .Set(EKey::Y, 40)
        .Set(EKey::Width, 480)
        .Set(EKey::Height, 360);
}

RECT ChildRect(HWND parent, HWND child)
{
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}

TEST_CASE("application view: the client rectangle leaves the status bar out; its texts are bounded and wide")
{
    ApplicationFixture app;
    EAttributeList list;
    FrameList(list).Set(EKey::Menu, IDR_MENU_ENGLISH).Set(EKey::StatusBar, 1);
    EApplicationView frame(&app.application, "Frame", list);
    REQUIRE(frame.StatusBar());

    // The log fills ClientRect: it must stop above the status bar.
    RECT inner;
    frame.ClientRect(&inner);
    CHECK(inner.bottom == ChildRect(frame.Handle(), frame.StatusBar()->Handle()).top);

    // A text longer than the buffer comes back cut, never overrun; none
    // clears the part.
    EStatusBar& statusBar = *frame.StatusBar();
    const int edges[] = {150, -1};
    statusBar.SetParts(2, edges);
    statusBar.SetText(0, "C:\\work");
    statusBar.SetText(1, "second");
    char text[64];
    statusBar.GetText(1, text, 4);
    CHECK(std::string(text) == "sec");
    statusBar.SetText(0, nullptr);
    statusBar.GetText(0, text, sizeof text);
    CHECK(std::string(text).empty());
    // Wide: names of any code page, a surrogate pair (📷) whole.
    statusBar.SetText(0, std::wstring(L"C:\\\u65E5\u672C\\caf\u00E9\U0001F4F7"));
    CHECK(statusBar.GetText(0) == L"C:\\\u65E5\u672C\\caf\u00E9\U0001F4F7");
}
