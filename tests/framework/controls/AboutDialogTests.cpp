#include <doctest/doctest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "AboutIds.h"
#include "BoxRecorder.h"
#include "DialogScript.h"
#include "EAboutDialog.h"
#include "EFlags.h"
#include "EMemoryLine.h"
#include "FlagScope.h"
#include "ProgramSettings.h"
#include "ViewFixture.h"

namespace {

const char Maker[] = "Software\\OmbrelAboutMaker";
const char Product[] = "Software\\OmbrelAboutMaker\\Product";

// What the dialog showed when it came up.
struct Shown {
    std::vector<std::string> lines;
    bool uninstallVisible = false, memoryFits = false;
};

// The text drawn in the control's font is not wider than the control.
bool LineFits(HWND control)
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

// Reads the dialog, then presses the buttons in turn.
DialogScript::Step Read(Shown& shown, std::initializer_list<int> presses)
{
    return DialogScript::Look(
        [&shown](HWND dialog) {
            for (int id : {IDC_ABOUT_NAME, IDC_ABOUT_VERSION, IDC_ABOUT_NOTICE, IDC_ABOUT_CONTACT_FIRST, IDC_ABOUT_MEMORY})
                shown.lines.push_back(DialogScript::ItemText(dialog, id));
            shown.uninstallVisible = IsWindowVisible(GetDlgItem(dialog, IDC_ABOUT_UNINSTALL)) != 0;
            shown.memoryFits = LineFits(GetDlgItem(dialog, IDC_ABOUT_MEMORY));
        },
        DialogScript::Press(presses));
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
    REQUIRE(std::sscanf(line.c_str(), (std::string(prefix) + "%luKB/%luKB (%lu%%)").c_str(), &available, &total,
                        &percent) == 3);
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
    CHECK(Line(MB, 2 * MB) == "Program: 2048KB/1024KB (100%)");
    // Unknown or below 1 KB: no figures, no division.
    CHECK(Line(1023, 1000) == "Program: unknown");
    CHECK(Line(0, 0, 1) == "\xcc\xdf\xdb\xb8\xde\xd7\xd1\x3a\x20\x95\x73\x96\xbe");
}

TEST_CASE("about: the product name and a memory line that fits; it runs again")
{
    ViewFixture fixture;
    EAttributeList list;
    EAboutDialog dialog(&fixture.view, list);
    dialog.SetKeyPaths(Maker, Product);
    Shown shown, again;
    DialogScript script({Read(shown, {IDOK}), Read(again, {IDCANCEL})});
    CHECK(dialog.Run() == IDOK);
    REQUIRE(shown.lines.size() == 5);
    CHECK(shown.lines[0] == "Korvane Folder Sync");
    CheckMemoryLine(shown.lines[4], "Program: ");
    CHECK(shown.memoryFits);
    CHECK(shown.uninstallVisible);
    // The memory line is made anew each time.
    CHECK(dialog.Run() == IDCANCEL);
    CHECK(again.lines.size() == 5);
    CHECK(script.unexpected == 0);
}

TEST_CASE("about: Uninstall removes the program's keys only once confirmed, then closes the main window")
{
    ViewFixture fixture;
    CleanKeyTree clean(Maker);
    REQUIRE(MakeKey(std::string(Product) + "\\Settings\\deep"));
    REQUIRE(MakeKey(std::string(Maker) + "\\Sibling\\Inner"));
    EAttributeList list;
    EAboutDialog dialog(&fixture.view, list);
    dialog.SetKeyPaths(Maker, Product);
    Shown shown;

    SUBCASE("Cancel in the confirmation changes nothing and the dialog stays")
    {
        BoxRecorder boxes(IDCANCEL);
        DialogScript script({Read(shown, {IDC_ABOUT_UNINSTALL, IDOK})});
        CHECK(dialog.Run() == IDOK);
        REQUIRE(boxes.boxes.size() == 1);
        CHECK(boxes.boxes[0].style == (MB_OKCANCEL | MB_ICONEXCLAMATION));
        CHECK(KeyExists(Product));
        PumpMessages();
        CHECK(IsWindow(fixture.view.Handle()));
    }
    SUBCASE("OK: the product key goes, the sibling stays, the main window closes")
    {
        BoxRecorder boxes(IDOK);
        DialogScript script({Read(shown, {IDC_ABOUT_UNINSTALL})});
        CHECK(dialog.Run() != IDOK);  // ended by its owner's destruction, not by OK
        REQUIRE(boxes.boxes.size() == 1);
        CHECK_FALSE(KeyExists(Product));
        CHECK(KeyExists(std::string(Maker) + "\\Sibling\\Inner"));
        CHECK(fixture.view.Handle() == nullptr);
    }
}

TEST_CASE("about: without a product path no Uninstall; a failed uninstall closes nothing")
{
    ViewFixture fixture;
    CleanKeyTree clean(Maker);
    EAttributeList list;
    EAboutDialog dialog(&fixture.view, list);
    BoxRecorder boxes(IDOK);
    Shown bare, failed;
    DialogScript script({Read(bare, {IDC_ABOUT_UNINSTALL, IDOK}), Read(failed, {IDC_ABOUT_UNINSTALL, IDOK})});
    CHECK(dialog.Run() == IDOK);
    CHECK_FALSE(bare.uninstallVisible);
    CHECK(boxes.boxes.empty());

    // The product key is missing: confirmed, but nothing goes.
    REQUIRE(MakeKey(Maker));
    dialog.SetKeyPaths(Maker, Product);
    CHECK(dialog.Run() == IDOK);
    CHECK(boxes.boxes.size() == 1);
    CHECK(KeyExists(Maker));
    PumpMessages();
    CHECK(IsWindow(fixture.view.Handle()));
}
