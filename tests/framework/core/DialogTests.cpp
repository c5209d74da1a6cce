#include <doctest/doctest.h>

#include <string>

#include "DialogScript.h"
#include "EConfirmDialog.h"
#include "EFlags.h"
#include "FlagScope.h"
#include "FrameworkFixture.h"
#include "resource.h"

namespace {

// What a dialog showed when it came up.
struct Shown {
    std::string caption, yesText;
    RECT rect = {0, 0, 0, 0};
    int focusId = 0;
};

// Reads the dialog, then answers with step.
DialogScript::Step Read(Shown& shown, DialogScript::Step step)
{
    return DialogScript::Look(
        [&shown](HWND dialog) {
            shown.caption = DialogScript::Caption(dialog);
            shown.yesText = DialogScript::ItemText(dialog, IDYES);
            GetWindowRect(dialog, &shown.rect);
            shown.focusId = GetDlgCtrlID(GetFocus());
        },
        step);
}

DialogScript::Step Key(WPARAM key)
{
    return DialogScript::Post(WM_KEYDOWN, key);
}

// Runs a confirm dialog over the named template, answered by step.
int RunConfirm(const std::string& name, DialogScript::Step step, EWindow* owner = nullptr, int focus = 0)
{
    DialogScript script({step});
    EAttributeList list;
    list.Set(EKey::Template, name.c_str());
    if (focus)
        list.Set(EKey::Focus, focus);
    EConfirmDialog dialog(owner, list);
    int result = dialog.Run();
    CHECK(script.unexpected == 0);
    return result;
}

}

// Each button's own id comes back: the file confirmation and main window
// tests press them all.
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
        {"EConfirmMultipleFileReplaceDialog_E", WM_KEYDOWN, VK_ESCAPE, 0, IDCANCEL, 0},
        {"EConfirmOKDialog_E", WM_CLOSE, 0, 0, IDCANCEL, 0},
        {"EConfirmMultipleFileReplaceDialog_E", WM_KEYDOWN, VK_RETURN, 0, IDYES, 0},
        {"EConfirmYesNoDialog_E", WM_KEYDOWN, VK_RETURN, 0, IDYES, 0},
        {"EConfirmOKDialog_E", WM_KEYDOWN, VK_RETURN, 0, IDOK, IDOK},
        {"EConfirmYesNoDialog_E", WM_KEYDOWN, VK_ESCAPE, IDNO, IDCANCEL, IDNO},
    };
    for (const auto& c : cases) {
        CAPTURE(c.name);
        CAPTURE(c.key);
        Shown shown;
        CHECK(RunConfirm(c.name, Read(shown, DialogScript::Post(c.message, c.key)), nullptr, c.focus) == c.result);
        if (c.focused)
            CHECK(shown.focusId == c.focused);
    }
}

TEST_CASE("dialogs: id 1 without a control fires Action 1; a plain dialog stays open")
{
    ApplicationFixture app;
    // The command, then the Esc that ends a dialog still open.
    auto commandThenEscape = [](HWND dialog) {
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
        return true;
    };
    DialogScript script({commandThenEscape, commandThenEscape});
    EAttributeList list;
    list.Set(EKey::Template, "EConfirmOKDialog_E");
    EDialog dialog(nullptr, list);
    CHECK(dialog.Run() == IDCANCEL);
    EConfirmDialog confirm(nullptr, list);
    CHECK(confirm.Run() == IDOK);
}

// Run by a Japanese-mode test process: the ANSI texts come back as Shift-JIS.
TEST_CASE("dialogs Japanese: the Japanese templates read back in Shift-JIS")
{
    REQUIRE(GetACP() == 932);
    ApplicationFixture app;
    FlagScope japanese(EJapanese, 1);
    Shown script, replace;
    RunConfirm("EConfirmYesNoDialog_J", Read(script, Key(VK_ESCAPE)));
    CHECK(script.caption == "\x8a\x6d\x94\x46");                      // 確認
    CHECK(script.yesText == "\x82\xcd\x82\xa2(&Y)");                  // はい(&Y)
    RunConfirm("EConfirmMultipleFileReplaceDialog_J", Read(replace, Key(VK_ESCAPE)));
    // The same literal in a source file comes out as the same bytes.
    CHECK(replace.caption == "ﾌｧｲﾙの置換の確認");
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
    CHECK(boxes.seen[0].caption == "Fatal");
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
        {{0, 0, 200, 100}, nullptr, 1280, 1024, false, 0, 0},
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

TEST_CASE("dialogs: a real dialog over an owner at the screen's edge")
{
    ApplicationFixture app;
    FlagScope english(EJapanese, 0);
    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EAttributeList viewList;
    ViewList(viewList).Set(EKey::X, screenWidth - 100).Set(EKey::Y, 100);
    EView owner(nullptr, "owner", viewList);
    Shown script;
    RunConfirm("EConfirmOKDialog_E", Read(script, Key(VK_ESCAPE)), &owner);
    int width = script.rect.right - script.rect.left;
    CHECK(width > 100);
    CHECK(script.rect.right == screenWidth);
    CHECK(script.rect.top > 100);
    CHECK(script.rect.bottom < screenHeight);
}
