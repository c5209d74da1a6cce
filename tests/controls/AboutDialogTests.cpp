#include <doctest/doctest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "AboutIds.h"
#include "BoxRecorder.h"
#include "EAboutDialog.h"
#include "EFlags.h"
#include "EKeyTree.h"
#include "RegistryKeys.h"
#include "EMemoryLine.h"
#include "FlagScope.h"
#include "ViewFixture.h"

namespace {

const char Maker[] = "Software\\OmbrelAboutMaker";
const char Product[] = "Software\\OmbrelAboutMaker\\Product";
const char Sibling[] = "Software\\OmbrelAboutMaker\\Sibling";

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
        char text[MAX_PATH] = "";
        GetWindowTextA(window, text, sizeof text);
        caption = text;
        GetDlgItemTextA(window, IDC_ABOUT_UNINSTALL, text, sizeof text);
        uninstallText = text;
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
    std::string caption, uninstallText;
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

std::string Line(unsigned long long total, unsigned long long available, int japanese = 0)
{
    FlagScope language(EJapanese, japanese);
    char buffer[260];
    EFormatMemoryLine(buffer, total, available);
    return buffer;
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

TEST_CASE("memory line: figures, the percentage and a total below 1 KB")
{
    const unsigned long long MB = 1024 * 1024;
    CHECK(Line(64 * MB, 16 * MB) == "Program: 16384KB/65536KB (25%)");
    CHECK(Line(64 * MB, 16 * MB, 1) == "\xcc\xdf\xdb\xb8\xde\xd7\xd1\x3a\x20" "16384KB/65536KB (25%)");
    // Past 4 GB nothing overflows.
    CHECK(Line(64 * 1024 * MB, 48 * 1024 * MB) == "Program: 50331648KB/67108864KB (75%)");
    CHECK(Line(3 * MB, 3 * MB - 1) == "Program: 3071KB/3072KB (99%)");
    CHECK(Line(MB, 2 * MB) == "Program: 2048KB/1024KB (100%)");
    // Unknown or below 1 KB: no figures, no division.
    CHECK(Line(1023, 1000) == "Program: unknown");
    CHECK(Line(0, 0) == "Program: unknown");
    CHECK(Line(0, 0, 1) == "\xcc\xdf\xdb\xb8\xde\xd7\xd1\x3a\x20\x95\x73\x96\xbe");
}

TEST_CASE("about: product lines, bold name, memory line that fits, OK ends it")
{
    ViewFixture fixture;
    EAttributeList list;
    EAboutDialog dialog(&fixture.view, list);
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
    ViewFixture fixture;
    CleanKeyTree clean(Maker);
    MakeKey(std::string(Product) + "\\Settings\\deep");
    MakeKey(std::string(Sibling) + "\\Inner");
    CloseWatch watch(&fixture.view);
    EAttributeList list;
    EAboutDialog dialog(&fixture.view, list);
    dialog.SetKeyPaths(Maker, Product);

    SUBCASE("Cancel in the confirmation changes nothing and the dialog stays")
    {
        BoxRecorder boxes(IDCANCEL);
        AboutScript script(dialog, {IDC_ABOUT_UNINSTALL, IDOK});
        CHECK(dialog.Run() == IDOK);
        REQUIRE(boxes.boxes.size() == 1);
        CHECK(boxes.boxes[0].text == "Uninstall this program.");
        CHECK(boxes.boxes[0].caption == "Confirmation");
        CHECK(boxes.boxes[0].style == (MB_OKCANCEL | MB_ICONEXCLAMATION));
        CHECK(KeyExists(Product));
        CHECK(watch.closes == 0);
        CHECK(IsWindow(fixture.view.Handle()));
    }
    SUBCASE("OK: the product key goes, the sibling stays, the main window closes")
    {
        BoxRecorder boxes(IDOK);
        AboutScript script(dialog, {IDC_ABOUT_UNINSTALL});
        int code = dialog.Run();
        CHECK(code != IDOK);  // ended by its owner's destruction, not by OK
        REQUIRE(boxes.boxes.size() == 1);
        CHECK_FALSE(KeyExists(Product));
        CHECK(KeyExists(Maker));
        CHECK(KeyExists((std::string(Sibling) + "\\Inner").c_str()));
        CHECK(watch.closes == 1);
        CHECK(fixture.view.Handle() == nullptr);
    }
}

TEST_CASE("about: without a product path no Uninstall; a failed uninstall closes nothing")
{
    ViewFixture fixture;
    CleanKeyTree clean(Maker);
    CloseWatch watch(&fixture.view);
    EAttributeList list;
    EAboutDialog dialog(&fixture.view, list);
    {
        BoxRecorder boxes(IDOK);
        AboutScript script(dialog, {IDC_ABOUT_UNINSTALL, IDOK});
        CHECK(dialog.Run() == IDOK);
        CHECK_FALSE(script.uninstallVisible);
        CHECK(boxes.boxes.empty());
    }
    MakeKey(Maker);
    dialog.SetKeyPaths(Maker, Product);
    {
        BoxRecorder boxes(IDOK);
        AboutScript script(dialog, {IDC_ABOUT_UNINSTALL, IDOK});
        CHECK(dialog.Run() == IDOK);
        CHECK(boxes.boxes.size() == 1);
        CHECK(KeyExists(Maker));
        CHECK(watch.closes == 0);
    }
}

TEST_CASE("Japanese mode: the About dialog's lines, memory line and confirmation")
{
    REQUIRE(GetACP() == 932);
    FlagScope japanese(EJapanese, 1);
    {
        ViewFixture fixture;
        CleanKeyTree clean(Maker);
        EAttributeList list;
        EAboutDialog dialog(&fixture.view, list);
        CHECK(std::string(reinterpret_cast<const char*>(list.Get(EKey::Template))) == "EAboutDialog_J");
        dialog.SetKeyPaths(Maker, Product);
        MakeKey(Product);
        BoxRecorder boxes(IDCANCEL);
        AboutScript script(dialog, {IDC_ABOUT_UNINSTALL, IDOK});
        CHECK(dialog.Run() == IDOK);
        REQUIRE(script.lines.size() == 5);
        CHECK(script.lines[0] == "Korvane Folder Sync");
        // "ﾊﾞｰｼﾞｮﾝ情報", "ｱﾝｲﾝｽﾄ(&U)" and "ﾒｰﾙ: " from the Japanese template.
        CHECK(script.caption == "\xca\xde\xb0\xbc\xde\xae\xdd\x8f\xee\x95\xf1");
        CHECK(script.uninstallText == "\xb1\xdd\xb2\xdd\xbd\xc4\x28\x26\x55\x29");
        CHECK(script.lines[3].rfind("\xd2\xb0\xd9\x3a\x20", 0) == 0);
        CheckMemoryLine(script.lines[4], "\xcc\xdf\xdb\xb8\xde\xd7\xd1\x3a\x20");
        CHECK(script.memoryFits);
        REQUIRE(boxes.boxes.size() == 1);
        // "ｱﾝｲﾝｽﾄｰﾙを実行します", "確認"
        CHECK(boxes.boxes[0].text == "\xb1\xdd\xb2\xdd\xbd\xc4\xb0\xd9\x82\xf0\x8e\xc0\x8d\x73\x82\xb5\x82\xdc\x82\xb7");
        CHECK(boxes.boxes[0].caption == "\x8a\x6d\x94\x46");
    }
}
