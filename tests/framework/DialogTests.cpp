#include <doctest/doctest.h>

#include <string>

#include "DialogScript.h"
#include "EConfirmDialog.h"
#include "EFlags.h"
#include "FlagScope.h"
#include "FrameworkFixture.h"
#include "resource.h"

namespace {

// What a test does once the dialog is up, and what it saw there.
class Script : public EObject {
public:
    enum Action { Key, Click, Close, CommandWithoutControl };

    Script(Action action, WPARAM value) : action(action), value(value) {}

    // Reads the dialog as it opens; acts once it is shown.
    LRESULT OnInit(EEvent& event)
    {
        EDialog* dialog = reinterpret_cast<EDialog*>(event.parameter);
        HWND window = dialog->Handle();
        handle = window;
        acted = false;
        char text[256] = "";
        GetWindowTextA(window, text, sizeof text);
        caption = text;
        GetDlgItemTextA(window, IDYES, text, sizeof text);
        yesText = text;
        GetWindowRect(window, &rect);
        dialog->AddMessageHandler(WM_SHOWWINDOW, this, &Script::OnShow);
        dialog->AddMessageHandler(WM_APP, this, &Script::Act);
        return 0;
    }

    LRESULT OnShow(EMessage& m)
    {
        if (m.wParam && !acted)
            PostMessageA(handle, WM_APP, 0, 0);
        return 0;  // the dialog manager goes on
    }

    LRESULT Act(EMessage&)
    {
        acted = true;
        focusId = GetDlgCtrlID(GetFocus());
        switch (action) {
        case Key: PostMessageA(handle, WM_KEYDOWN, value, 0); break;
        case Click:
            // What the button sends when it is clicked.
            PostMessageA(handle, WM_COMMAND, MAKEWPARAM(value, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(handle, static_cast<int>(value))));
            break;
        case Close: PostMessageA(handle, WM_CLOSE, 0, 0); break;
        case CommandWithoutControl:
            PostMessageA(handle, WM_COMMAND, value, 0);
            PostMessageA(handle, WM_KEYDOWN, VK_ESCAPE, 0);
            break;
        }
        return 1;
    }

    Action action;
    WPARAM value;
    HWND handle = nullptr;
    std::string caption;
    std::string yesText;
    RECT rect = {0, 0, 0, 0};
    int focusId = 0;
    bool acted = false;
};

std::string TemplateName(const char* base)
{
    return std::string(base) + (EJapanese ? "_J" : "_E");
}

// Runs a confirm dialog over the named template with the script.
int RunConfirm(const std::string& name, Script& script, EWindow* owner = nullptr, int focus = 0)
{
    EHandler init(&script, &Script::OnInit);
    EAttributeList list;
    list.Set(EKey::Template, name.c_str()).Set(EKey::InitHandler, &init);
    if (focus)
        list.Set(EKey::Focus, focus);
    EConfirmDialog dialog(owner, list);
    return dialog.Run();
}

}

// Each button's own id comes back: the file confirmation and main window
// tests press them all.
TEST_CASE("dialogs: Esc, the close box and Enter")
{
    ApplicationFixture app;
    FlagScope english(EJapanese, 0);
    Script escape(Script::Key, VK_ESCAPE);
    CHECK(RunConfirm("EConfirmYesNoDialog_E", escape) == IDCANCEL);  // no Cancel button there
    Script escapeReplace(Script::Key, VK_ESCAPE);
    CHECK(RunConfirm("EConfirmMultipleFileReplaceDialog_E", escapeReplace) == IDCANCEL);
    Script close(Script::Close, 0);
    CHECK(RunConfirm("EConfirmOKDialog_E", close) == IDCANCEL);
    Script enter(Script::Key, VK_RETURN);
    CHECK(RunConfirm("EConfirmMultipleFileReplaceDialog_E", enter) == IDYES);
    Script enterYesNo(Script::Key, VK_RETURN);
    CHECK(RunConfirm("EConfirmYesNoDialog_E", enterYesNo) == IDYES);
    // The focus id's control has the focus once the dialog is up.
    Script focused(Script::Key, VK_RETURN);
    CHECK(RunConfirm("EConfirmOKDialog_E", focused) == IDOK);
    CHECK(focused.focusId == IDOK);
    Script focusedNo(Script::Key, VK_ESCAPE);
    RunConfirm("EConfirmYesNoDialog_E", focusedNo, nullptr, IDNO);
    CHECK(focusedNo.focusId == IDNO);
}

TEST_CASE("dialogs: id 1 without a control fires Action 1; a plain dialog stays open")
{
    ApplicationFixture app;
    Script plain(Script::CommandWithoutControl, IDOK);
    EHandler init(&plain, &Script::OnInit);
    EAttributeList list;
    list.Set(EKey::Template, "EConfirmOKDialog_E").Set(EKey::InitHandler, &init);
    EDialog dialog(nullptr, list);
    CHECK(dialog.Run() == IDCANCEL);  // ended by the Esc that followed

    Script confirm(Script::CommandWithoutControl, IDOK);
    CHECK(RunConfirm("EConfirmOKDialog_E", confirm) == IDOK);

    // A dialog object runs again.
    CHECK(dialog.Run() == IDCANCEL);
}

// Run by a Japanese-mode test process: the ANSI texts come back as Shift-JIS.
TEST_CASE("dialogs Japanese: the Japanese template with the flag set")
{
    REQUIRE(GetACP() == 932);
    ApplicationFixture app;
    FlagScope japanese(EJapanese, 1);
    Script script(Script::Key, VK_ESCAPE);
    RunConfirm(TemplateName("EConfirmYesNoDialog"), script);
    CHECK(script.caption == "\x8a\x6d\x94\x46");                      // 確認
    CHECK(script.yesText == "\x82\xcd\x82\xa2(&Y)");                  // はい(&Y)
    Script replace(Script::Key, VK_ESCAPE);
    RunConfirm(TemplateName("EConfirmMultipleFileReplaceDialog"), replace);
    CHECK(replace.caption == "\xcc\xa7\xb2\xd9\x82\xcc\x92\x75\x8a\xb7\x82\xcc\x8a\x6d\x94\x46");  // ﾌｧｲﾙの置換の確認
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
    Script script(Script::Key, VK_ESCAPE);
    RunConfirm("EConfirmOKDialog_E", script, &owner);
    int width = script.rect.right - script.rect.left;
    CHECK(width > 100);
    CHECK(script.rect.right == screenWidth);
    CHECK(script.rect.top > 100);
    CHECK(script.rect.bottom < screenHeight);

    Script alone(Script::Key, VK_ESCAPE);
    RunConfirm("EConfirmOKDialog_E", alone);
    CHECK(alone.rect.left == 0);
    CHECK(alone.rect.top == 0);
}
