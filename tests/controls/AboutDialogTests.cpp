#include <doctest/doctest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "AboutIds.h"
#include "EAboutDialog.h"
#include "EFlags.h"
#include "EKeyTree.h"
#include "MessageBoxes.h"
#include "WidgetFixture.h"

namespace {

const char Maker[] = "Software\\OmbrelAboutMaker";
const char Product[] = "Software\\OmbrelAboutMaker\\Product";
const char Sibling[] = "Software\\OmbrelAboutMaker\\Sibling";

bool Exists(const char* path)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void MakeKey(const std::string& path)
{
    HKEY key;
    REQUIRE(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr) == ERROR_SUCCESS);
    RegCloseKey(key);
}

struct CleanKeys {
    CleanKeys() { DeleteKeyTree(HKEY_CURRENT_USER, Maker); }
    ~CleanKeys() { DeleteKeyTree(HKEY_CURRENT_USER, Maker); }
};

// Answers the confirmation boxes with a fixed button and keeps them.
class BoxAnswerer : public EBoxReporter {
public:
    explicit BoxAnswerer(int answer) : answer(answer), previous(SetBoxReporter(this)) {}
    ~BoxAnswerer() override { SetBoxReporter(previous); }
    int Report(HWND owner, const char* text, const char* caption, UINT style) override
    {
        texts.push_back(text);
        captions.push_back(caption);
        owners.push_back(owner);
        styles.push_back(style);
        return answer;
    }
    int answer;
    std::vector<std::string> texts, captions;
    std::vector<HWND> owners;
    std::vector<UINT> styles;

private:
    EBoxReporter* previous;
};

// Reads the dialog once it is shown, then presses its buttons in turn.
class AboutScript : public EObject {
public:
    AboutScript(EAboutDialog& dialog, std::vector<int> presses) : dialog(dialog), presses(presses)
    {
        dialog.AddMessageHandler(WM_SHOWWINDOW, this, &AboutScript::OnShow);
        dialog.AddMessageHandler(WM_APP, this, &AboutScript::Read);
    }

    LRESULT OnShow(EMessage& m)
    {
        if (m.wParam)
            PostMessageA(dialog.Handle(), WM_APP, 0, 0);
        return 0;
    }

    LRESULT Read(EMessage&)
    {
        HWND window = dialog.Handle();
        for (int id : {IDC_ABOUT_NAME, IDC_ABOUT_VERSION, IDC_ABOUT_NOTICE, IDC_ABOUT_CONTACT_FIRST, IDC_ABOUT_MEMORY}) {
            char text[MAX_PATH] = "";
            GetDlgItemTextA(window, id, text, sizeof text);
            lines.push_back(text);
        }
        uninstallVisible = IsWindowVisible(GetDlgItem(window, IDC_ABOUT_UNINSTALL)) != 0;
        LOGFONTA font = {};
        GetObjectA(reinterpret_cast<HFONT>(SendDlgItemMessageA(window, IDC_ABOUT_NAME, WM_GETFONT, 0, 0)),
                   sizeof font, &font);
        nameWeight = font.lfWeight;
        memoryFits = LineFits(GetDlgItem(window, IDC_ABOUT_MEMORY));
        focusId = GetDlgCtrlID(GetFocus());
        for (int id : presses)
            PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
        return 1;
    }

    // The text drawn in the control's font is not wider than the control.
    static bool LineFits(HWND control)
    {
        char text[MAX_PATH] = "";
        int length = GetWindowTextA(control, text, sizeof text);
        HDC dc = GetDC(control);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
        SIZE size = {0, 0};
        GetTextExtentPoint32A(dc, text, length, &size);
        SelectObject(dc, old);
        ReleaseDC(control, dc);
        RECT client;
        GetClientRect(control, &client);
        return length > 0 && size.cx <= client.right;
    }

    EAboutDialog& dialog;
    std::vector<int> presses;
    std::vector<std::string> lines;
    bool uninstallVisible = false;
    LONG nameWeight = 0;
    bool memoryFits = false;
    int focusId = 0;
};

// Lets WM_CLOSE do its default work (destroy the window) after counting it.
class CloseWatch : public EObject {
public:
    explicit CloseWatch(EWindow* window) : window(window)
    {
        window->AddMessageHandler(WM_CLOSE, this, &CloseWatch::OnClose);
    }
    LRESULT OnClose(EMessage& m)
    {
        closes++;
        return window->DefaultProc(m);
    }
    EWindow* window;
    int closes = 0;
};

// Figures of the memory line; false when it does not parse.
bool MemoryFigures(const std::string& line, const char* prefix, unsigned long* available, unsigned long* total,
                   unsigned long* percent)
{
    std::string format = std::string(prefix) + "%luKB/%luKB (%lu%%)";
    return std::sscanf(line.c_str(), format.c_str(), available, total, percent) == 3;
}

void CheckMemoryLine(const std::string& line, const char* prefix)
{
    unsigned long available = 0, total = 0, percent = 0;
    CAPTURE(line);
    REQUIRE(MemoryFigures(line, prefix, &available, &total, &percent));
    CHECK(total > 0);
    CHECK(available <= total);
    CHECK(percent == static_cast<unsigned long>(static_cast<unsigned long long>(available) * 100 / total));
}

}

TEST_CASE("about: product lines, bold name, memory line that fits, OK ends it")
{
    WidgetFixture fixture;
    EAttributeList list;
    EAboutDialog dialog(fixture.view, list);
    CHECK(std::string(reinterpret_cast<const char*>(list.Get(EKey::Template))) == "EAboutDialog_E");
    dialog.SetKeyPaths(Maker, Product);
    AboutScript script(dialog, {IDOK});
    CHECK(dialog.Run() == IDOK);
    REQUIRE(script.lines.size() == 5);
    CHECK(script.lines[0] == "Korvane Folder Sync");
    CHECK(script.lines[1] == "Version 1.10");
    CHECK(script.lines[2] == "Copyright (C) 2026 KorvaneSoft");
    CHECK(script.lines[3] == "Mail: support@korvanesoft.example");
    CheckMemoryLine(script.lines[4], "Program: ");
    CHECK(script.memoryFits);
    CHECK(script.nameWeight == FW_BOLD);
    CHECK(script.uninstallVisible);
    CHECK(script.focusId == IDOK);

    // Run any number of times; the memory line is made anew each time.
    AboutScript again(dialog, {IDCANCEL});
    CHECK(dialog.Run() == IDCANCEL);
    CHECK(again.lines.size() == 5);
}

TEST_CASE("about: Uninstall removes the program's keys, keeps a sibling and closes the main window")
{
    WidgetFixture fixture;
    CleanKeys clean;
    MakeKey(std::string(Product) + "\\Settings\\deep");
    MakeKey(std::string(Sibling) + "\\Inner");
    CloseWatch watch(fixture.view);
    EAttributeList list;
    EAboutDialog dialog(fixture.view, list);
    dialog.SetKeyPaths(Maker, Product);

    SUBCASE("Cancel in the confirmation changes nothing and the dialog stays")
    {
        BoxAnswerer boxes(IDCANCEL);
        AboutScript script(dialog, {IDC_ABOUT_UNINSTALL, IDOK});
        CHECK(dialog.Run() == IDOK);
        REQUIRE(boxes.texts.size() == 1);
        CHECK(boxes.texts[0] == "Uninstall this program.");
        CHECK(boxes.captions[0] == "Confirmation");
        CHECK(boxes.styles[0] == (MB_OKCANCEL | MB_ICONEXCLAMATION));
        CHECK(Exists(Product));
        CHECK(watch.closes == 0);
        CHECK(IsWindow(fixture.view->Handle()));
    }
    SUBCASE("OK: the product key goes, the sibling stays, the main window closes")
    {
        BoxAnswerer boxes(IDOK);
        AboutScript script(dialog, {IDC_ABOUT_UNINSTALL});
        int code = dialog.Run();
        CHECK(code != IDOK);  // ended by its owner's destruction, not by OK
        REQUIRE(boxes.texts.size() == 1);
        CHECK_FALSE(Exists(Product));
        CHECK(Exists(Maker));
        CHECK(Exists((std::string(Sibling) + "\\Inner").c_str()));
        CHECK(watch.closes == 1);
        CHECK(fixture.view->Handle() == nullptr);
    }
}

TEST_CASE("about: without a product path no Uninstall; a missing product key closes nothing")
{
    WidgetFixture fixture;
    CleanKeys clean;
    CloseWatch watch(fixture.view);
    EAttributeList list;
    EAboutDialog dialog(fixture.view, list);
    {
        BoxAnswerer boxes(IDOK);
        AboutScript script(dialog, {IDC_ABOUT_UNINSTALL, IDOK});
        CHECK(dialog.Run() == IDOK);
        CHECK_FALSE(script.uninstallVisible);
        CHECK(boxes.texts.empty());
    }
    MakeKey(Maker);
    dialog.SetKeyPaths(Maker, Product);
    {
        BoxAnswerer boxes(IDOK);
        AboutScript script(dialog, {IDC_ABOUT_UNINSTALL, IDOK});
        CHECK(dialog.Run() == IDOK);
        CHECK(boxes.texts.size() == 1);
        CHECK(Exists(Maker));
        CHECK(watch.closes == 0);
    }
    // The only product gone, the maker key goes with it.
    MakeKey(std::string(Product) + "\\Settings");
    {
        BoxAnswerer boxes(IDOK);
        AboutScript script(dialog, {IDC_ABOUT_UNINSTALL});
        dialog.Run();
        CHECK_FALSE(Exists(Maker));
        CHECK(watch.closes == 1);
    }
}

TEST_CASE("Japanese mode: the About dialog's lines, memory line and confirmation")
{
    REQUIRE(GetACP() == 932);
    int saved = EJapanese;
    EJapanese = 1;
    {
        WidgetFixture fixture;
        CleanKeys clean;
        EAttributeList list;
        EAboutDialog dialog(fixture.view, list);
        CHECK(std::string(reinterpret_cast<const char*>(list.Get(EKey::Template))) == "EAboutDialog_J");
        dialog.SetKeyPaths(Maker, Product);
        MakeKey(Product);
        BoxAnswerer boxes(IDCANCEL);
        AboutScript script(dialog, {IDC_ABOUT_UNINSTALL, IDOK});
        CHECK(dialog.Run() == IDOK);
        REQUIRE(script.lines.size() == 5);
        CHECK(script.lines[0] == "Korvane Folder Sync");
        // "ﾒｰﾙ: " from the Japanese template.
        CHECK(script.lines[3].rfind("\xd2\xb0\xd9\x3a\x20", 0) == 0);
        CheckMemoryLine(script.lines[4], "\xcc\xdf\xdb\xb8\xde\xd7\xd1\x3a\x20");
        CHECK(script.memoryFits);
        REQUIRE(boxes.texts.size() == 1);
        // "ｱﾝｲﾝｽﾄｰﾙを実行します", "確認"
        CHECK(boxes.texts[0] == "\xb1\xdd\xb2\xdd\xbd\xc4\xb0\xd9\x82\xf0\x8e\xc0\x8d\x73\x82\xb5\x82\xdc\x82\xb7");
        CHECK(boxes.captions[0] == "\x8a\x6d\x94\x46");
    }
    EJapanese = saved;
}
