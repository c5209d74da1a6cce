#include <doctest/doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

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
