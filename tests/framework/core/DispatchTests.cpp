#include <doctest/doctest.h>

#include <windows.h>

#include "DialogScript.h"
#include "EControl.h"
#include "EEdit.h"
#include "EWindowMap.h"
#include "EWindowProc.h"
#include "FrameworkFixture.h"

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
        buttonList.Set(EKey::ClassName, "Button").Set(EKey::Predefined, 1).Set(EKey::Width, 40).Set(EKey::Height, 20);
        EControl button(&view, "b", buttonList);  // not subclassed
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

TEST_CASE("notification maps: subclassing twice, unsubclassing once")
{
    ApplicationFixture app;
    EAttributeList list;
    EView view(nullptr, "view", ViewList(list));
    HWND edit = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 60, view.Handle(), nullptr,
                                GetModuleHandleA(nullptr), nullptr);
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
