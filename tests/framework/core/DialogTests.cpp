#include <doctest/doctest.h>

#include <string>

#include "DialogScript.h"
#include "EConfirmDialog.h"
#include "EFlags.h"
#include "FlagScope.h"
#include "FrameworkFixture.h"

// Each button's own id comes back: the file confirmation and main window
// tests press them all, and the file confirmations answer Esc.
TEST_CASE("dialogs: Esc, the close box and Enter; the focus id's control has the focus")
{
    ApplicationFixture app;
    FlagScope english(EJapanese, 0);
    struct {
        const char* name;
        UINT message;
        WPARAM key;
        int focus;
        int result;
        int focused;
    } cases[] = {
        {"EConfirmYesNoDialog_E", WM_KEYDOWN, VK_ESCAPE, 0, IDCANCEL, 0},  // no Cancel button there
        {"EConfirmOKDialog_E", WM_CLOSE, 0, 0, IDCANCEL, 0},
        {"EConfirmMultipleFileReplaceDialog_E", WM_KEYDOWN, VK_RETURN, 0, IDYES, 0},
        {"EConfirmYesNoDialog_E", WM_KEYDOWN, VK_RETURN, 0, IDYES, 0},
        {"EConfirmOKDialog_E", WM_KEYDOWN, VK_RETURN, 0, IDOK, IDOK},
        {"EConfirmYesNoDialog_E", WM_KEYDOWN, VK_ESCAPE, IDNO, IDCANCEL, IDNO},
    };
    for (const auto& c : cases) {
        CAPTURE(c.name);
        CAPTURE(c.key);
        int focusId = 0;
        DialogScript script({DialogScript::Look([&focusId](HWND) { focusId = GetDlgCtrlID(GetFocus()); },
                                                DialogScript::Post(c.message, c.key))});
        EAttributeList list;
        list.Set(EKey::Template, c.name);
        if (c.focus)
            list.Set(EKey::Focus, c.focus);
        CHECK(EConfirmDialog(nullptr, list).Run() == c.result);
        CHECK(script.unexpected == 0);
        if (c.focused)
            CHECK(focusId == c.focused);
    }
}

TEST_CASE("dialogs: a missing template is reported once and never runs")
{
    ApplicationFixture app;
    FlagScope english(EJapanese, 0);
    DialogScript boxes({DialogScript::Press(IDOK), DialogScript::Press(IDOK)});
    EAttributeList list;
    list.Set(EKey::Template, "NoSuchDialog_E");
    EConfirmDialog dialog(nullptr, list);
    REQUIRE(boxes.seen.size() == 1);
    CHECK(boxes.seen[0].text == "Can't find dialog template 'NoSuchDialog_E'");
    CHECK(dialog.Run() == -1);
    CHECK(dialog.Run() == -1);
    CHECK(boxes.seen.size() == 1);
    CHECK(EApplication::pendingDialog == nullptr);

    // An absurdly long name is cut, not overrun.
    std::string longName(2000, 'x');
    EAttributeList longList;
    longList.Set(EKey::Template, longName.c_str());
    EConfirmDialog longDialog(nullptr, longList);
    REQUIRE(boxes.seen.size() == 2);
    CHECK(boxes.seen[1].text.size() < 520);
}

TEST_CASE("dialogs: centred over the owner, kept on the screen")
{
    const RECT owner = {100, 100, 500, 400}, edge = {1200, 950, 1400, 1100}, offLeft = {-500, -400, -100, -100},
               tall = {0, 0, 240, 320}, narrow = {10, 10, 111, 111};
    struct {
        RECT dialog;
        const RECT* owner;
        int screenWidth, screenHeight;
        bool small;
        LONG x, y;
    } cases[] = {
        {{0, 0, 200, 100}, &owner, 1280, 1024, false, 200, 200},
        // Near the right and bottom edges: pushed back onto the screen.
        {{0, 0, 200, 100}, &edge, 1280, 1024, false, 1080, 924},
        // Off the top-left: never negative.
        {{0, 0, 200, 100}, &offLeft, 1280, 1024, false, 0, 0},
        // No owner: the top-left corner, also when wider than the screen.
        {{0, 0, 300, 100}, nullptr, 240, 320, true, 0, 0},
        // A small screen centres on the part above its bottom 106 pixels.
        {{0, 0, 200, 60}, &tall, 240, 320, true, 20, (214 - 60) / 2},
        {{0, 0, 200, 60}, &tall, 240, 320, false, 20, 130},
        // Odd differences round towards zero, also when negative.
        {{0, 0, 104, 104}, &narrow, 1280, 1024, false, 10 + (-3) / 2, 10 + (-3) / 2},
    };
    for (const auto& c : cases) {
        long row = &c - cases;
        CAPTURE(row);
        POINT p = EDialogWindow::CentredPosition(c.dialog, c.owner, c.screenWidth, c.screenHeight, c.small);
        CHECK(p.x == c.x);
        CHECK(p.y == c.y);
    }
}
