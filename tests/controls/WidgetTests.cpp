#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "ECheckBox.h"
#include "EDropDownCombo.h"
#include "ELabel.h"
#include "ELineEdit.h"
#include "EListBox.h"
#include "EPushButton.h"
#include "EWindowProc.h"
#include "WidgetFixture.h"

namespace {

std::string ClassOf(HWND window)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

LONG StyleOf(const EWindow& window)
{
    return GetWindowLongA(window.Handle(), GWL_STYLE);
}

std::string TextOf(HWND window)
{
    char* copy = EWindow::CopyText(window);
    std::string text = copy;
    delete[] copy;
    return text;
}

void Type(HWND window, const std::string& keys)
{
    for (unsigned char c : keys)
        SendMessageA(window, WM_CHAR, c, 1);
}

EAttributeList& At(EAttributeList& list, int x, int y, int width = 0, int height = 0)
{
    list.Set(EKey::X, x).Set(EKey::Y, y);
    if (width)
        list.Set(EKey::Width, width);
    if (height)
        list.Set(EKey::Height, height);
    return list;
}

std::string ItemsOf(EWindow& control)
{
    EValue joined = 0;
    EAttributeList query;
    query.Set(EKey::ItemList, &joined);
    control.GetAttributes(query);
    std::string text = reinterpret_cast<const char*>(joined);
    delete[] reinterpret_cast<char*>(joined);
    return text;
}

int Width(const EWindow& window)
{
    RECT r;
    GetWindowRect(window.Handle(), &r);
    return r.right - r.left;
}

}

TEST_CASE("buttons: classes, styles, default size, check states and clicks")
{
    WidgetFixture fixture;
    EAttributeList pushList, checkList;
    EPushButton push(fixture.view, "New", At(pushList, 10, 20));
    ECheckBox check(fixture.view, "Force", At(checkList, 10, 60, 120, 21));

    CHECK(ClassOf(push.Handle()) == "Button");
    CHECK((StyleOf(push) & (WS_CHILD | WS_VISIBLE | WS_TABSTOP)) == (WS_CHILD | WS_VISIBLE | WS_TABSTOP));
    CHECK((StyleOf(push) & 0xF) == BS_PUSHBUTTON);
    CHECK((StyleOf(check) & 0xF) == BS_AUTOCHECKBOX);
    CHECK((StyleOf(check) & WS_TABSTOP) != 0);
    // Without a size a button is 64 x 22 where it was put.
    int x, y, width, height;
    push.Position(&x, &y, &width, &height);
    CHECK(x == 10);
    CHECK(y == 20);
    CHECK(width == 64);
    CHECK(height == 22);
    check.Position(&x, &y, &width, &height);
    CHECK(width == 120);
    CHECK(height == 21);

    CHECK(check.Checked() == 0);
    check.SetChecked(1);
    CHECK(check.Checked() == 1);
    CHECK(SendMessageA(check.Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED);
    check.SetChecked(0);
    CHECK(check.Checked() == 0);

    // A click checks the box itself and arrives as the Action event.
    EventLog log;
    check.Connect(EKey::Action, &log, &EventLog::OnEvent, 7);
    push.Connect(EKey::Action, &log, &EventLog::OnEvent, 8);
    SendMessageA(check.Handle(), BM_CLICK, 0, 0);
    CHECK(check.Checked() == 1);
    SendMessageA(push.Handle(), BM_CLICK, 0, 0);
    REQUIRE(log.events.size() == 2);
    CHECK(log.events[0] == 7);
    CHECK(log.events[1] == 8);

    push.Disable();
    CHECK_FALSE(IsWindowEnabled(push.Handle()));
    push.Enable();
    CHECK(IsWindowEnabled(push.Handle()));
}

TEST_CASE("labels: sized to their text unless both sizes are given; the font is taken")
{
    WidgetFixture fixture;
    EAttributeList fitted, widthOnly, sized, byText;
    ELabel shortLabel(fixture.view, "SRC", At(fitted, 5, 5));
    ELabel longLabel(fixture.view, "A much longer caption here", At(widthOnly, 5, 30, 10));
    ELabel fixed(fixture.view, "DST", At(sized, 5, 60, 50, 21));
    byText.Set(EKey::Text, "A much longer caption here");
    ELabel textKey(fixture.view, "x", At(byText, 5, 90));

    CHECK(ClassOf(shortLabel.Handle()) == "Static");
    CHECK(Width(shortLabel) > 10);
    CHECK(Width(longLabel) > Width(shortLabel));
    CHECK(Width(textKey) == Width(longLabel));
    CHECK(TextOf(textKey.Handle()) == "A much longer caption here");
    CHECK(Width(fixed) == 50);

    HFONT font = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    for (EWindow* control : {static_cast<EWindow*>(&shortLabel), static_cast<EWindow*>(&fixed)}) {
        SendMessageA(control->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        CHECK(reinterpret_cast<HFONT>(SendMessageA(control->Handle(), WM_GETFONT, 0, 0)) == font);
    }
}

TEST_CASE("line edits: at most 256 typed characters, input modes, Enter never arrives")
{
    WidgetFixture fixture;
    EAttributeList textList, digitList, numberList;
    ELineEdit text(fixture.view, "", At(textList, 5, 5, 300, 21));
    CHECK(ClassOf(text.Handle()) == "Edit");
    // The edit control takes WS_BORDER off its style and draws the frame itself.
    CHECK((StyleOf(text) & (ES_AUTOHSCROLL | WS_TABSTOP)) == (ES_AUTOHSCROLL | WS_TABSTOP));
    CHECK(text.Mode() == ELineEdit::TextInput);
    CHECK(SendMessageA(text.Handle(), EM_GETLIMITTEXT, 0, 0) == 256);
    Type(text.Handle(), std::string(300, 'a'));
    CHECK(TextOf(text.Handle()) == std::string(256, 'a'));

    // A multi-line field would start a new line if Enter reached it.
    EAttributeList linesList;
    linesList.Set(EKey::Multiline, 1);
    ELineEdit lines(fixture.view, "", At(linesList, 5, 100, 300, 60));
    CHECK((StyleOf(lines) & ES_MULTILINE) != 0);
    Type(lines.Handle(), "ab\rc");
    CHECK(TextOf(lines.Handle()) == "abc");

    digitList.Set(EKey::DataType, ELineEdit::BinaryDigit);
    ELineEdit digit(fixture.view, "", At(digitList, 5, 30, 50, 21));
    Type(digit.Handle(), "2a1");
    CHECK(TextOf(digit.Handle()) == "1");
    Type(digit.Handle(), "0");
    CHECK(TextOf(digit.Handle()) == "1");  // one character only
    Type(digit.Handle(), "\b0");
    CHECK(TextOf(digit.Handle()) == "0");

    numberList.Set(EKey::DataType, ELineEdit::Number);
    ELineEdit number(fixture.view, "", At(numberList, 5, 60, 100, 21));
    Type(number.Handle(), "12a3-45\r678");
    CHECK(TextOf(number.Handle()) == "123456");
    EValue mode = 0;
    EAttributeList query;
    query.Set(EKey::DataType, &mode);
    number.GetAttributes(query);
    CHECK(mode == ELineEdit::Number);

    // Back to text mode: the limit follows.
    EAttributeList back;
    back.Set(EKey::DataType, ELineEdit::TextInput);
    number.SetAttributes(back);
    CHECK(SendMessageA(number.Handle(), EM_GETLIMITTEXT, 0, 0) == 256);
    Type(number.Handle(), "x");
    CHECK(TextOf(number.Handle()) == "123456x");
}

TEST_CASE("drop-down combo: 260 typed characters, items, selection, the edit inside")
{
    WidgetFixture fixture;
    EAttributeList list;
    list.Set(EKey::TextLimit, 260);
    EDropDownCombo names(fixture.view, "", At(list, 60, 2, 250, 180));
    CHECK(ClassOf(names.Handle()) == "ComboBox");
    LONG wanted = WS_TABSTOP | CBS_NOINTEGRALHEIGHT | CBS_DROPDOWN | CBS_AUTOHSCROLL;
    CHECK((StyleOf(names) & wanted) == wanted);
    // Wine takes WS_VSCROLL off the combo's own style.

    // The edit field inside is wrapped and routed to its wrapper.
    EControl* edit = names.EditField();
    REQUIRE(edit != nullptr);
    CHECK(edit->Handle() == GetWindow(names.Handle(), GW_CHILD));
    CHECK(ClassOf(edit->Handle()) == "Edit");
    CHECK(edit->Subclassed());
    CHECK(GetWindowLongPtrA(edit->Handle(), GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&EWindowProc));
    EventLog keys;
    edit->AddMessageHandler(WM_KEYDOWN, &keys, &EventLog::OnMessage);
    SendMessageA(edit->Handle(), WM_KEYDOWN, VK_TAB, 0);
    REQUIRE(keys.messages.size() == 1);
    CHECK(keys.messages[0] == VK_TAB);

    Type(edit->Handle(), std::string(300, 'n'));
    CHECK(TextOf(names.Handle()) == std::string(260, 'n'));

    CHECK(names.InsertItem(0, "beta") == 0);
    CHECK(names.InsertItem(0, "alpha") == 0);
    CHECK(names.AppendItem("gamma") == 2);
    CHECK(names.ItemCount() == 3);
    CHECK(ItemsOf(names) == "alpha,beta,gamma");
    CHECK(names.Selection() == -1);
    names.Select(1);
    CHECK(names.Selection() == 1);
    CHECK(TextOf(names.Handle()) == "beta");
    char item[8];
    CHECK(names.ItemText(2, item, sizeof item) == 5);
    CHECK(std::string(item) == "gamma");
    CHECK(names.ItemText(2, item, 4) == 5);  // cut, never overrun
    CHECK(std::string(item) == "gam");
    CHECK(names.ItemText(9, item, sizeof item) == -1);
    CHECK(names.DeleteItem(0) == 2);
    CHECK(ItemsOf(names) == "beta,gamma");
    names.Clear();
    CHECK(names.ItemCount() == 0);
    CHECK(names.Selection() == -1);

    // An open list already taller than the edit part keeps its height.
    RECT dropped;
    SendMessageA(names.Handle(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    // Wine reports the list part only, below the edit part.
    RECT closed;
    GetWindowRect(names.Handle(), &closed);
    int droppedHeight = dropped.bottom - dropped.top;
    CHECK((droppedHeight == 180 || droppedHeight + (closed.bottom - closed.top) == 180));
}

TEST_CASE("combo and list boxes: items from ItemList and Items, read back joined")
{
    WidgetFixture fixture;
    struct Case {
        const char* given;
        int count;
    } cases[] = {{"a,b,,c", 4}, {"x,", 2}, {"", 1}, {"one", 1}};
    for (const Case& c : cases) {
        CAPTURE(c.given);
        EAttributeList comboList, boxList;
        comboList.Set(EKey::ItemList, c.given);
        boxList.Set(EKey::ItemList, c.given);
        EComboBox combo(fixture.view, "", At(comboList, 5, 5, 100, 120));
        EListBox box(fixture.view, "", At(boxList, 5, 140, 100, 100));
        CHECK(combo.ItemCount() == c.count);
        CHECK(box.ItemCount() == c.count);
        CHECK(ItemsOf(combo) == c.given);
        CHECK(ItemsOf(box) == c.given);
    }

    const char* texts[] = {"x", "y"};
    EAttributeList arrayList;
    arrayList.Set(EKey::ItemCount, 2).Set(EKey::Items, texts).Set(EKey::Sort, 1);
    EListBox sorted(fixture.view, "", At(arrayList, 5, 5, 100, 100));
    CHECK(ItemsOf(sorted) == "x,y");
    CHECK((StyleOf(sorted) & LBS_SORT) != 0);
    EValue sort = 0;
    EAttributeList query;
    query.Set(EKey::Sort, &sort);
    sorted.GetAttributes(query);
    CHECK(sort == 1);
    sorted.AppendItem("a");
    CHECK(ItemsOf(sorted) == "a,x,y");
    sorted.Select(2);
    CHECK(sorted.Selection() == 2);
    CHECK(sorted.DeleteItem(0) == 2);

    // A list box made elsewhere (a dialog's) is attached, read and left alive.
    HWND raw = CreateWindowExA(0, "ListBox", "", WS_CHILD, 0, 0, 50, 50, fixture.view->Handle(), nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    SendMessageA(raw, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("p"));
    {
        EListBox attached(fixture.view, raw);
        CHECK(ItemsOf(attached) == "p");
    }
    CHECK(IsWindow(raw));
}

TEST_CASE("Japanese mode: Shift-JIS items split at commas and read back")
{
    REQUIRE(GetACP() == 932);
    WidgetFixture fixture;
    // "ソ表" and "転送元": trail bytes that look like a backslash.
    const char* given = "\x83\x5c\x95\x5c,\x93\x5d\x91\x97\x8c\xb3";
    EAttributeList list;
    list.Set(EKey::ItemList, given);
    EDropDownCombo combo(fixture.view, "", At(list, 5, 5, 200, 150));
    CHECK(combo.ItemCount() == 2);
    char item[16];
    CHECK(combo.ItemText(0, item, sizeof item) == 4);
    CHECK(std::string(item) == "\x83\x5c\x95\x5c");
    CHECK(ItemsOf(combo) == given);

    EAttributeList labelList;
    ELabel label(fixture.view, "\x93\x5d\x91\x97\x8c\xb3", At(labelList, 5, 200));
    CHECK(TextOf(label.Handle()) == "\x93\x5d\x91\x97\x8c\xb3");
    CHECK(Width(label) > 0);
}
