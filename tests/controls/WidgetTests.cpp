#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "EDropDownCombo.h"
#include "ELineEdit.h"
#include "EListBox.h"
#include "ViewFixture.h"

namespace {

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

}

// Buttons and check boxes are clicked, and labels shown, by the main window
// tests.
TEST_CASE("line edits: at most 256 typed characters, input modes, Enter never arrives")
{
    ViewFixture fixture;
    EAttributeList textList, linesList, digitList, numberList;
    ELineEdit text(&fixture.view, "", At(textList, 5, 5, 300, 21));
    Type(text.Handle(), std::string(300, 'a'));
    CHECK(TextOf(text.Handle()) == std::string(256, 'a'));

    // A multi-line field would start a new line if Enter reached it.
    ELineEdit lines(&fixture.view, "", At(linesList.Set(EKey::Multiline, 1), 5, 100, 300, 60));
    Type(lines.Handle(), "ab\rc");
    CHECK(TextOf(lines.Handle()) == "abc");

    ELineEdit digit(&fixture.view, "", At(digitList.Set(EKey::DataType, ELineEdit::BinaryDigit), 5, 30, 50, 21));
    Type(digit.Handle(), "2a1");
    CHECK(TextOf(digit.Handle()) == "1");
    Type(digit.Handle(), "0");
    CHECK(TextOf(digit.Handle()) == "1");  // one character only
    Type(digit.Handle(), "\b0");
    CHECK(TextOf(digit.Handle()) == "0");

    ELineEdit number(&fixture.view, "", At(numberList.Set(EKey::DataType, ELineEdit::Number), 5, 60, 100, 21));
    Type(number.Handle(), "12a3-45\r678");
    CHECK(TextOf(number.Handle()) == "123456");
    // Back to text mode: letters come through and the limit follows.
    EAttributeList back;
    number.SetAttributes(back.Set(EKey::DataType, ELineEdit::TextInput));
    CHECK(SendMessageA(number.Handle(), EM_GETLIMITTEXT, 0, 0) == 256);
    Type(number.Handle(), "x");
    CHECK(TextOf(number.Handle()) == "123456x");
}

TEST_CASE("drop-down combo: 260 typed characters, item texts cut")
{
    ViewFixture fixture;
    EAttributeList list;
    EDropDownCombo names(&fixture.view, "", At(list.Set(EKey::TextLimit, 260), 60, 2, 250, 180));
    REQUIRE(names.EditField() != nullptr);
    Type(names.EditField()->Handle(), std::string(300, 'n'));
    CHECK(TextOf(names.Handle()) == std::string(260, 'n'));

    names.AppendItem("gamma");
    char item[8];
    CHECK(names.ItemText(0, item, 4) == 5);  // cut, never overrun
    CHECK(std::string(item) == "gam");
    CHECK(names.ItemText(9, item, sizeof item) == -1);
}

TEST_CASE("combo and list boxes: items from ItemList and Items, read back joined")
{
    ViewFixture fixture;
    struct Case {
        const char* given;
        int count;
    } cases[] = {{"a,b,,c", 4}, {"x,", 2}, {"", 1}, {"one", 1}};
    for (const Case& c : cases) {
        CAPTURE(c.given);
        EAttributeList comboList, boxList;
        EComboBox combo(&fixture.view, "", At(comboList.Set(EKey::ItemList, c.given), 5, 5, 100, 120));
        EListBox box(&fixture.view, "", At(boxList.Set(EKey::ItemList, c.given), 5, 140, 100, 100));
        CHECK(combo.ItemCount() == c.count);
        CHECK(box.ItemCount() == c.count);
        CHECK(ItemsOf(combo) == c.given);
        CHECK(ItemsOf(box) == c.given);
    }

    const char* texts[] = {"y", "x"};
    EAttributeList arrayList;
    arrayList.Set(EKey::ItemCount, 2).Set(EKey::Items, texts).Set(EKey::Sort, 1);
    EListBox sorted(&fixture.view, "", At(arrayList, 5, 5, 100, 100));
    CHECK(ItemsOf(sorted) == "x,y");

    // A list box made elsewhere (a dialog's) is attached, read and left alive.
    HWND raw = CreateWindowExA(0, "ListBox", "", WS_CHILD, 0, 0, 50, 50, fixture.view.Handle(), nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    SendMessageA(raw, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("p"));
    {
        EListBox attached(&fixture.view, raw);
        CHECK(ItemsOf(attached) == "p");
    }
    CHECK(IsWindow(raw));
}

TEST_CASE("Japanese mode: Shift-JIS items split at commas and read back")
{
    REQUIRE(GetACP() == 932);
    ViewFixture fixture;
    // "ソ表" and "転送元": trail bytes that look like a backslash.
    const char* given = "\x83\x5c\x95\x5c,\x93\x5d\x91\x97\x8c\xb3";
    EAttributeList list;
    EDropDownCombo combo(&fixture.view, "", At(list.Set(EKey::ItemList, given), 5, 5, 200, 150));
    char item[16];
    CHECK(combo.ItemText(0, item, sizeof item) == 4);
    CHECK(std::string(item) == "\x83\x5c\x95\x5c");
    CHECK(ItemsOf(combo) == given);
}
