#include <doctest/doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "EAccelerator.h"
#include "EApplicationView.h"
#include "EMenu.h"
#include "EMenuItem.h"
#include "EObjectList.h"
#include "EStatusBar.h"
#include "EToolBar.h"
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

TEST_CASE("application view: menu bar and status bar from the list; the client rectangle leaves the bar out")
{
    ApplicationFixture app;
    EAttributeList list;
    FrameList(list).Set(EKey::Menu, IDR_MENU_ENGLISH).Set(EKey::StatusBar, 1);
    EApplicationView frame(&app.application, "Frame", list);
    REQUIRE(frame.Handle());
    REQUIRE(frame.Menu());
    REQUIRE(frame.StatusBar());
    CHECK(frame.ToolBar() == nullptr);
    CHECK(GetMenu(frame.Handle()) == frame.Menu()->Handle());

    // The status bar sits on the bottom edge and ClientRect stops above it,
    // also after the frame is resized.
    for (int height : {360, 500}) {
        MoveWindow(frame.Handle(), 40, 40, 520, height, TRUE);
        RECT client, inner;
        GetClientRect(frame.Handle(), &client);
        frame.ClientRect(&inner);
        RECT status = ChildRect(frame.Handle(), frame.StatusBar()->Handle());
        CHECK(status.bottom == client.bottom);
        CHECK(status.top > client.bottom / 2);
        CHECK(inner.top == 0);
        CHECK(inner.bottom == status.top);
        CHECK(inner.right == client.right);
    }

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

TEST_CASE("application view: accelerators reach the handlers as MenuCommand events")
{
    ApplicationFixture app;
    EAttributeList list;
    FrameList(list).Set(EKey::Menu, IDR_MENU_ENGLISH).Set(EKey::Accelerators, "OmbrelTestKeys");
    EApplicationView frame(&app.application, "Frame", list);
    REQUIRE(frame.Accelerators());
    REQUIRE(frame.Accelerators()->Table());
    Recorder r;
    frame.AddEventHandler(EKey::MenuCommand, 501, &r, &Recorder::First);
    frame.AddEventHandler(EKey::MenuCommand, IDM_EXIT, &r, &Recorder::Second);

    MSG f5 = {frame.Handle(), WM_KEYDOWN, VK_F5, 0, 0, {0, 0}};
    CHECK(frame.PreTranslate(&f5));
    // Shift+F6 only; F6 alone and other keys are not consumed.
    for (WPARAM key : {VK_F6, VK_F7}) {
        MSG other = {frame.Handle(), WM_KEYDOWN, key, 0, 0, {0, 0}};
        CHECK_FALSE(frame.PreTranslate(&other));
    }
    REQUIRE(r.calls.size() == 1);
    CHECK(r.calls[0] == 1);

    // A menu item chosen arrives the same way.
    SendMessageA(frame.Handle(), WM_COMMAND, IDM_EXIT, 0);
    REQUIRE(r.calls.size() == 2);
    CHECK(r.calls[1] == 2);

    // Without the key the title names the table: none here, nothing consumed.
    EAttributeList plain;
    EApplicationView other(nullptr, "Frame", FrameList(plain).Set(EKey::ClassName, "OmbrelTestBarsOther"));
    CHECK_FALSE(other.PreTranslate(&f5));
    CHECK(other.Menu() == nullptr);
    CHECK(other.StatusBar() == nullptr);
    RECT client, inner;
    GetClientRect(other.Handle(), &client);
    other.ClientRect(&inner);
    CHECK(EqualRect(&client, &inner));
}

TEST_CASE("application view: drop-downs from a list, and a toolbar on the top edge")
{
    ApplicationFixture app;
    EObjectList dropDowns;
    EObjectList* tools = new EObjectList;
    tools->SetName("&Tools");
    tools->Append(new EMenuItem(301, "&Check"));
    tools->Append(new EMenuItem(0, "SEPARATOR"));
    tools->Append(new EMenuItem(302, "separator"));
    dropDowns.Append(tools);

    EAttributeList list;
    FrameList(list).Set(EKey::Menu, IDR_MENU_ENGLISH).Set(EKey::MenuList, &dropDowns).Set(EKey::ToolBar, 1)
        .Set(EKey::StatusBar, 1);
    EApplicationView frame(&app.application, "Frame", list);
    HMENU bar = GetMenu(frame.Handle());
    REQUIRE(GetMenuItemCount(bar) == 3);
    HMENU added = GetSubMenu(bar, 2);
    REQUIRE(added);
    char title[32] = "";
    GetMenuStringA(bar, 2, title, sizeof title, MF_BYPOSITION);
    CHECK(std::string(title) == "&Tools");
    REQUIRE(GetMenuItemCount(added) == 3);
    CHECK(GetMenuItemID(added, 0) == 301);
    CHECK((GetMenuState(added, 1, MF_BYPOSITION) & MF_SEPARATOR) != 0);
    // Only the exact word makes a separator.
    CHECK(GetMenuItemID(added, 2) == 302);
    CHECK((GetMenuState(added, 2, MF_BYPOSITION) & MF_SEPARATOR) == 0);

    REQUIRE(frame.ToolBar());
    RECT client, inner;
    GetClientRect(frame.Handle(), &client);
    frame.ClientRect(&inner);
    RECT tool = ChildRect(frame.Handle(), frame.ToolBar()->Handle());
    RECT status = ChildRect(frame.Handle(), frame.StatusBar()->Handle());
    CHECK(tool.top == 0);
    CHECK(tool.bottom > 0);
    CHECK(inner.top == tool.bottom);
    CHECK(inner.bottom == status.top);
}
