#include <doctest/doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "DialogScript.h"
#include "EApplicationView.h"
#include "EControl.h"
#include "EEdit.h"
#include "EWindowMap.h"
#include "EWindowProc.h"
#include "FrameworkFixture.h"

namespace {

HWND Child(const char* className, HWND parent, int id, DWORD style = 0)
{
    return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 100, 60, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

LRESULT Notify(HWND parent, HWND sender, int id, UINT code)
{
    NMHDR header = {sender, static_cast<UINT_PTR>(id), code};
    return SendMessageA(parent, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header));
}

// A list view wrapper as the list view work will make it: its own map.
class ListViewWrapper : public EControl {
public:
    ListViewWrapper(EWindow* parent, HWND control) : EControl(parent, control) {}
    const ENotificationRow* NotificationMap(int* rows) override
    {
        *rows = EListViewNotificationCount;
        return EListViewNotifications;
    }
};

LRESULT Command(HWND window, int id, int code, HWND control)
{
    return SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

// A button wrapper created from a list, as the controls will be.
EAttributeList& ButtonList(EAttributeList& list, int id)
{
    return list.Set(EKey::ClassName, "Button").Set(EKey::Predefined, 1).Set(EKey::Id, id).Set(EKey::Width, 40).Set(
        EKey::Height, 20);
}

}

TEST_CASE("dispatch: the newest handler runs, for events and for messages")
{
    ApplicationFixture app;
    EAttributeList list;
    EView view(nullptr, "view", ViewList(list));
    REQUIRE(view.Handle());
    Recorder r;
    HWND button = Child("BUTTON", view.Handle(), 5);

    view.AddEventHandler(EKey::Action, 5, &r, &Recorder::First, 7);
    view.AddEventHandler(EKey::Action, 5, &r, &Recorder::Second, 8);
    CHECK(Command(view.Handle(), 5, BN_CLICKED, button) == 20);
    CHECK(r.calls == std::vector<int>{2});
    CHECK(r.extras == std::vector<EValue>{8});

    // A handler for another id or another event is not a match.
    view.AddEventHandler(EKey::Action, 6, &r, &Recorder::Third);
    view.AddEventHandler(EKey::Change, 5, &r, &Recorder::Third);
    Command(view.Handle(), 5, BN_CLICKED, button);
    CHECK(r.calls == std::vector<int>{2, 2});

    view.AddMessageHandler(WM_USER + 1, &r, &Recorder::OnMessage, 1);
    view.AddMessageHandler(WM_USER + 1, &r, &Recorder::OnMessage, 2);
    CHECK(SendMessageA(view.Handle(), WM_USER + 1, 0, 0) == 42);
    CHECK(r.calls.back() == 102);
    CHECK(r.calls.size() == 3);
}

// Wrapped buttons' Action and menu commands are driven by the main window
// tests.
TEST_CASE("dispatch: two wrappers of one window, the newer first")
{
    ApplicationFixture app;
    EAttributeList list;
    EView view(nullptr, "view", ViewList(list));
    Recorder r;
    EAttributeList buttonList;
    EControl older(&view, "b", ButtonList(buttonList, 5));
    older.Subclass();
    older.AddMessageHandler(WM_USER + 2, &r, &Recorder::OnMessage, 1);
    {
        EControl newer(&view, older.Handle());
        newer.AddMessageHandler(WM_USER + 2, &r, &Recorder::OnMessage, 2);
        CHECK(EApplication::windowMap->Find(older.Handle()) == &newer);
        SendMessageA(older.Handle(), WM_USER + 2, 0, 0);
        CHECK(r.calls == std::vector<int>{102});
    }
    // The attached wrapper never destroys the control; the older is current again.
    CHECK(IsWindow(older.Handle()));
    CHECK(EApplication::windowMap->Find(older.Handle()) == &older);
    SendMessageA(older.Handle(), WM_USER + 2, 0, 0);
    CHECK(r.calls == std::vector<int>{102, 101});
}

TEST_CASE("dispatch: window lifetime, quit and the map")
{
    ApplicationFixture app;
    int code = -1;
    while (TakeQuit(&code)) {
    }

    SUBCASE("destroying a parentless window posts quit 0; the wrappers forget the handles")
    {
        EAttributeList list;
        EView view(nullptr, "view", ViewList(list));
        HWND window = view.Handle();
        EAttributeList buttonList;
        EControl button(&view, "b", ButtonList(buttonList, 5));  // not subclassed
        HWND child = button.Handle();
        EAttributeList editList;
        EEdit edit(&view, "", editList.Set(EKey::Width, 50).Set(EKey::Height, 20));
        edit.Subclass();
        HWND editWindow = edit.Handle();

        DestroyWindow(window);
        CHECK(TakeQuit(&code));
        CHECK(code == 0);
        CHECK(view.Handle() == nullptr);
        CHECK(button.Handle() == nullptr);
        CHECK(edit.Handle() == nullptr);
        CHECK(EApplication::windowMap->Find(window) == nullptr);
        CHECK(EApplication::windowMap->Find(child) == nullptr);
        CHECK(EApplication::windowMap->Find(editWindow) == nullptr);
    }
    SUBCASE("a child view does not end the loop; a wrapper deleted first destroys its window")
    {
        EAttributeList list;
        EView view(nullptr, "view", ViewList(list));
        HWND childWindow;
        {
            EAttributeList childList;
            childList.Set(EKey::ClassName, "OmbrelTestView").Set(EKey::Style, WS_CHILD).Set(EKey::Width, 10).Set(
                EKey::Height, 10);
            EView child(&view, "child", childList);
            childWindow = child.Handle();
            REQUIRE(childWindow);
        }
        CHECK_FALSE(IsWindow(childWindow));
        CHECK_FALSE(TakeQuit(&code));
        CHECK(EApplication::windowMap->Find(childWindow) == nullptr);
    }
    SUBCASE("a class that cannot be made: one fatal box, an empty wrapper")
    {
        // Predefined, so nothing registers the class and creation fails.
        EAttributeList list;
        list.Set(EKey::ClassName, "NoSuchClassAnywhere").Set(EKey::Predefined, 1);
        DialogScript boxes({DialogScript::Press(IDOK)});
        EView view(nullptr, "x", list);
        REQUIRE(boxes.seen.size() == 1);
        CHECK(boxes.seen[0].caption == "Fatal:CreateWindow");
        CHECK(view.Handle() == nullptr);
    }
}

TEST_CASE("application view: the main window while it lives, none after")
{
    ApplicationFixture app;
    {
        EAttributeList list;
        list.Set(EKey::ClassName, "OmbrelTestFrame").Set(EKey::SmallIcon, 100);
        EApplicationView frame(&app.application, "Frame", list);
        REQUIRE(frame.Handle());
        CHECK(EApplication::mainWindow == &frame);
        CHECK(SendMessageA(frame.Handle(), WM_GETICON, ICON_SMALL, 0) != 0);
    }
    // The loop never reaches a destroyed frame.
    CHECK(EApplication::mainWindow == nullptr);
    int code;
    while (TakeQuit(&code)) {
    }
}

TEST_CASE("notification maps: codes of controls without wrapper, by class name")
{
    ApplicationFixture app;
    EAttributeList list;
    EView view(nullptr, "view", ViewList(list));
    HWND button = Child("BUTTON", view.Handle(), 1);
    HWND edit = Child("Edit", view.Handle(), 2);
    HWND listView = Child(WC_LISTVIEWA, view.Handle(), 3);
    REQUIRE(listView);

    // Each class has its own table; a code in none of them is an Action.
    CHECK(EControl::EventKeyByClassName(button, BN_DOUBLECLICKED) == EKey::Action);
    CHECK(EControl::EventKeyByClassName(edit, EN_HSCROLL) == EKey::HScrolled);
    CHECK(EControl::EventKeyByClassName(listView, static_cast<int>(LVN_GETDISPINFOA)) == EKey::GetDispInfo);

    // The temporary wrapper leaves; a permanent one is found again.
    EControl permanent(&view, edit);
    CHECK(EControl::EventKeyByClassName(edit, EN_CHANGE) == EKey::Change);
    CHECK(EApplication::windowMap->Find(edit) == &permanent);
    CHECK(IsWindow(edit));
}

TEST_CASE("notification maps: WM_NOTIFY in a view, the common table first")
{
    ApplicationFixture app;
    EAttributeList list;
    EView view(nullptr, "view", ViewList(list));
    Recorder r;
    HWND listView = Child(WC_LISTVIEWA, view.Handle(), 3);
    view.AddEventHandler(EKey::Click, 3, &r, &Recorder::First);
    view.AddEventHandler(EKey::ColumnClick, 3, &r, &Recorder::Second);
    view.AddEventHandler(EKey::Action, 3, &r, &Recorder::Third);

    // Without a wrapper the view ignores the sender.
    Notify(view.Handle(), listView, 3, NM_CLICK);
    CHECK(r.calls.empty());

    ListViewWrapper wrapper(&view, listView);
    CHECK(Notify(view.Handle(), listView, 3, NM_CLICK) == 10);
    Notify(view.Handle(), listView, 3, LVN_COLUMNCLICK);
    Notify(view.Handle(), listView, 3, LVN_BEGINSCROLL);  // in no table: Action
    CHECK(r.calls == std::vector<int>{1, 2, 3});
}

TEST_CASE("notification maps: subclassing twice, unsubclassing once")
{
    ApplicationFixture app;
    EAttributeList list;
    EView view(nullptr, "view", ViewList(list));
    HWND edit = Child("Edit", view.Handle(), 2);
    WNDPROC own = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(edit, GWLP_WNDPROC));
    Recorder r;
    {
        EEdit wrapper(&view, edit);
        wrapper.AddMessageHandler(WM_USER + 5, &r, &Recorder::OnMessage);
        SendMessageA(edit, WM_USER + 5, 0, 0);
        CHECK(r.calls.empty());  // not subclassed: the wrapper sees nothing

        wrapper.Subclass();
        wrapper.Subclass();
        CHECK((reinterpret_cast<WNDPROC>(GetWindowLongPtrA(edit, GWLP_WNDPROC)) == EWindowProc));
        CHECK(SendMessageA(edit, WM_USER + 5, 0, 0) == 42);
        CHECK(r.calls.size() == 1);
        // Everything else still reaches the edit's own procedure.
        SetWindowTextA(edit, "typed");
        char text[16] = "";
        GetWindowTextA(edit, text, sizeof text);
        CHECK(std::string(text) == "typed");

        wrapper.Unsubclass();
        CHECK((reinterpret_cast<WNDPROC>(GetWindowLongPtrA(edit, GWLP_WNDPROC)) == own));
        SendMessageA(edit, WM_USER + 5, 0, 0);
        CHECK(r.calls.size() == 1);

        // A wrapper that goes while subclassed gives the procedure back.
        wrapper.Subclass();
    }
    CHECK((reinterpret_cast<WNDPROC>(GetWindowLongPtrA(edit, GWLP_WNDPROC)) == own));
    CHECK(IsWindow(edit));

    // A second wrapper never takes the framework procedure for the control's own.
    EEdit first(&view, edit);
    first.Subclass();
    EEdit second(&view, edit);
    second.Subclass();
    CHECK_FALSE(second.Subclassed());
    SetWindowTextA(edit, "again");
    CHECK(GetWindowTextLengthA(edit) == 5);
}
