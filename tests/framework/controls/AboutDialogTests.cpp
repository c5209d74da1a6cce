#include <doctest/doctest.h>

#include <windows.h>

#include <cstdio>
#include <string>

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

const char AboutMaker[] = "Software\\OmbrelAboutMaker";
const char AboutProduct[] = "Software\\OmbrelAboutMaker\\Product";

// What the dialog showed when it came up.
struct Shown {
    std::string name, memory;
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
            shown.name = DialogScript::ItemText(dialog, IDC_ABOUT_NAME);
            shown.memory = DialogScript::ItemText(dialog, IDC_ABOUT_MEMORY);
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

TEST_CASE("about: the name and a memory line that fits; Uninstall only with a product path, and only once confirmed")
{
    ViewFixture fixture;
    CleanKeyTree clean(AboutMaker);
    EAttributeList list;
    EAboutDialog dialog(&fixture.view, list);
    BoxRecorder boxes(IDOK);
    Shown bare, failed, cancelled, confirmed;
    DialogScript script({Read(bare, {IDC_ABOUT_UNINSTALL, IDOK}), Read(failed, {IDC_ABOUT_UNINSTALL, IDOK}),
                         Read(cancelled, {IDC_ABOUT_UNINSTALL, IDOK}), Read(confirmed, {IDC_ABOUT_UNINSTALL})});
    CHECK(dialog.Run() == IDOK);
    CHECK(bare.name == "Korvane Folder Sync");
    // Real figures: the available part of a known total.
    unsigned long available = 0, total = 0;
    REQUIRE(std::sscanf(bare.memory.c_str(), "Program: %luKB/%luKB", &available, &total) == 2);
    CHECK((total > 0 && available <= total));
    CHECK(bare.memoryFits);
    CHECK_FALSE(bare.uninstallVisible);
    CHECK(boxes.boxes.empty());

    // The product key is missing: confirmed, but nothing goes.
    REQUIRE(MakeKey(AboutMaker));
    dialog.SetKeyPaths(AboutMaker, AboutProduct);
    CHECK(dialog.Run() == IDOK);
    CHECK(failed.uninstallVisible);
    CHECK(boxes.boxes.size() == 1);
    CHECK(KeyExists(AboutMaker));
    // Neither this nor Cancel closes the main window; a closed one would leave
    // the next runs without an owner.
    PumpMessages();
    REQUIRE(IsWindow(fixture.view.Handle()));

    // Cancel in the confirmation changes nothing.
    REQUIRE(MakeKey(std::string(AboutProduct) + "\\Settings\\deep"));
    REQUIRE(MakeKey(std::string(AboutMaker) + "\\Sibling\\Inner"));
    boxes.answer = IDCANCEL;
    CHECK(dialog.Run() == IDOK);
    REQUIRE(boxes.boxes.size() == 2);
    CHECK(boxes.boxes[1].style == (MB_OKCANCEL | MB_ICONEXCLAMATION));
    CHECK(KeyExists(AboutProduct));
    PumpMessages();
    REQUIRE(IsWindow(fixture.view.Handle()));

    // OK: the product key goes, the sibling stays, the main window closes.
    boxes.answer = IDOK;
    CHECK(dialog.Run() != IDOK);  // ended by its owner's destruction, not by OK
    CHECK(boxes.boxes.size() == 3);
    CHECK_FALSE(KeyExists(AboutProduct));
    CHECK(KeyExists(std::string(AboutMaker) + "\\Sibling\\Inner"));
    CHECK(fixture.view.Handle() == nullptr);
    CHECK(script.unexpected == 0);
}
