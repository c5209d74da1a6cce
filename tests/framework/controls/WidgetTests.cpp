#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "EApplicationView.h"
#include "EDropDownCombo.h"
#include "ELineEdit.h"
#include "EStatusBar.h"
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

}

// Buttons and check boxes are clicked, and labels shown, by the main window
// tests; item lists, list boxes and the line edits' input modes are not used
// by the program.
TEST_CASE("line edits take at most 256 typed characters, the drop-down combo 260; item texts are cut")
{
    ViewFixture fixture;
    EAttributeList textList;
    ELineEdit text(&fixture.view, "", textList.Set(EKey::Width, 300).Set(EKey::Height, 21));
    Type(text.Handle(), std::string(300, 'a'));
    CHECK(TextOf(text.Handle()) == std::string(256, 'a'));

    EAttributeList list;
    list.Set(EKey::TextLimit, 260).Set(EKey::Width, 250).Set(EKey::Height, 180);
    EDropDownCombo names(&fixture.view, "", list);
    REQUIRE(names.EditField() != nullptr);
    Type(names.EditField()->Handle(), std::string(300, 'n'));
    CHECK(TextOf(names.Handle()) == std::string(260, 'n'));
    names.AppendItem("gamma");
    char item[8];
    CHECK(names.ItemText(0, item, 4) == 5);  // cut, never overrun
    CHECK(std::string(item) == "gam");
    CHECK(names.ItemText(9, item, sizeof item) == -1);
}

// The main window's tests show wide names in the bar.
TEST_CASE("status bar: texts cut, never overrun; its frame is the main window while it lives, none after")
{
    ApplicationFixture app;
    {
        EAttributeList list;
        list.Set(EKey::ClassName, "OmbrelTestBarsFrame").Set(EKey::StatusBar, 1);
        EApplicationView frame(&app.application, "Frame", list);
        REQUIRE(frame.StatusBar());
        CHECK(EApplication::mainWindow == &frame);
        EStatusBar& statusBar = *frame.StatusBar();
        const int edges[] = {150, -1};
        statusBar.SetParts(2, edges);
        statusBar.SetText(0, "C:\\work");
        statusBar.SetText(1, "second");
        char text[64];
        statusBar.GetText(1, text, 4);
        CHECK(std::string(text) == "sec");
        // None clears the part.
        statusBar.SetText(0, nullptr);
        statusBar.GetText(0, text, sizeof text);
        CHECK(std::string(text).empty());
    }
    // The message loop never reaches a destroyed frame.
    CHECK(EApplication::mainWindow == nullptr);
}
