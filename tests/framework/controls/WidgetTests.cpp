#include <doctest/doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "EApplicationView.h"
#include "EDropDownCombo.h"
#include "ELineEdit.h"
#include "EStatusBar.h"
#include "MenuIds.h"
#include "ViewFixture.h"

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

}

// Buttons and check boxes are clicked, and labels shown, by the main window
// tests; item lists, list boxes and the line edits' input modes are not used
// by the program.
TEST_CASE("line edits: at most 256 typed characters")
{
    ViewFixture fixture;
    EAttributeList textList;
    ELineEdit text(&fixture.view, "", At(textList, 5, 5, 300, 21));
    Type(text.Handle(), std::string(300, 'a'));
    CHECK(TextOf(text.Handle()) == std::string(256, 'a'));
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

TEST_CASE("status bar: texts bounded and wide")
{
    ApplicationFixture app;
    EAttributeList list;
    FrameList(list).Set(EKey::Menu, IDR_MENU_ENGLISH).Set(EKey::StatusBar, 1);
    EApplicationView frame(&app.application, "Frame", list);
    REQUIRE(frame.StatusBar());

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
