#include <doctest/doctest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "AboutIds.h"
#include "EApplication.h"
#include "EFlags.h"
#include "EMemoryLine.h"
#include "Wide.h"

namespace {

INT_PTR CALLBACK QuietProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

std::string Line(unsigned long long total, unsigned long long available, int japanese = 0)
{
    int saved = EJapanese;
    EJapanese = japanese;
    char buffer[260];
    EFormatMemoryLine(buffer, total, available);
    EJapanese = saved;
    return buffer;
}

std::wstring ItemText(HWND dialog, int id)
{
    wchar_t text[128] = {};
    GetDlgItemTextW(dialog, id, text, 128);
    return text;
}

// The template as a modeless dialog, for looking at its controls. The
// ANSI form turns texts into the process's code page (Japanese only in a
// Japanese-mode process); the wide form keeps the template's own.
struct Template {
    HWND dialog;
    explicit Template(const char* name, bool wide = false)
        : dialog(wide ? CreateDialogParamW(GetModuleHandleA(nullptr), Wide(name).c_str(), nullptr, QuietProc, 0)
                      : CreateDialogParamA(GetModuleHandleA(nullptr), name, nullptr, QuietProc, 0))
    {
    }
    ~Template() { DestroyWindow(dialog); }
};

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

    char now[260];
    EReadMemoryLine(now);
    std::string text = now;
    CHECK(text.rfind("Program: ", 0) == 0);
    CHECK(text.find("KB (") != std::string::npos);
    CHECK(text.substr(text.size() - 2) == "%)");
}

TEST_CASE("about: the product lines of the string table")
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    char text[260];
    CHECK(LoadStringA(instance, IDS_PRODUCT_NAME, text, sizeof text) > 0);
    CHECK(std::string(text) == "Korvane Folder Sync");
    CHECK(LoadStringA(instance, IDS_PRODUCT_VERSION, text, sizeof text) > 0);
    CHECK(std::string(text) == "Version 1.10");
    CHECK(LoadStringA(instance, IDS_PRODUCT_NOTICE, text, sizeof text) > 0);
    // The contact lines keep the dialog's own texts.
    CHECK(LoadStringA(instance, IDS_CONTACT_FIRST, text, sizeof text) == 0);
    CHECK(LoadStringA(instance, IDS_CONTACT_SECOND, text, sizeof text) == 0);
}

TEST_CASE("about: both templates with their size, controls and captions")
{
    const int ids[] = {IDC_ABOUT_NAME,   IDC_ABOUT_VERSION,  IDC_ABOUT_NOTICE,        IDC_ABOUT_CONTACT_FIRST,
                       IDC_ABOUT_CONTACT_SECOND, IDC_ABOUT_MEMORY, IDC_ABOUT_MEMORY_2, IDC_ABOUT_MEMORY_3,
                       IDC_ABOUT_MEMORY_4, IDOK, IDC_ABOUT_UNINSTALL};
    Template english("EAboutDialog_E", true);
    Template japanese("EAboutDialog_J", true);
    for (HWND dialog : {english.dialog, japanese.dialog}) {
        REQUIRE(dialog);
        for (int id : ids) {
            CAPTURE(id);
            CHECK(GetDlgItem(dialog, id) != nullptr);
        }
        RECT units = {0, 0, 261, 106}, client;
        MapDialogRect(dialog, &units);
        GetClientRect(dialog, &client);
        CHECK(client.right == units.right);
        CHECK(client.bottom == units.bottom);
        CHECK((GetWindowLongA(GetDlgItem(dialog, IDC_ABOUT_UNINSTALL), GWL_STYLE) & WS_TABSTOP) != 0);
        CHECK(ItemText(dialog, IDC_ABOUT_MEMORY_2).empty());
    }
    wchar_t caption[64];
    GetWindowTextW(english.dialog, caption, 64);
    CHECK(std::wstring(caption) == L"About");
    CHECK(ItemText(english.dialog, IDC_ABOUT_UNINSTALL) == L"&Uninstall");
    CHECK(ItemText(english.dialog, IDOK) == L"OK");
    GetWindowTextW(japanese.dialog, caption, 64);
    CHECK(std::wstring(caption) == Wide(u8"ﾊﾞｰｼﾞｮﾝ情報"));
    CHECK(ItemText(japanese.dialog, IDC_ABOUT_UNINSTALL) == Wide(u8"ｱﾝｲﾝｽﾄ(&U)"));
}

TEST_CASE("Japanese mode: the About template's texts in Shift-JIS")
{
    REQUIRE(GetACP() == 932);
    Template japanese("EAboutDialog_J");
    REQUIRE(japanese.dialog);
    char text[64] = {};
    GetWindowTextA(japanese.dialog, text, sizeof text);
    CHECK(std::string(text) == "\xca\xde\xb0\xbc\xde\xae\xdd\x8f\xee\x95\xf1");
    GetDlgItemTextA(japanese.dialog, IDC_ABOUT_UNINSTALL, text, sizeof text);
    CHECK(std::string(text) == "\xb1\xdd\xb2\xdd\xbd\xc4\x28\x26\x55\x29");
}
