#include <doctest/doctest.h>

#include <windows.h>

#include <initializer_list>

#include "EApplication.h"
#include "EAttributeList.h"
#include "ELanguage.h"
#include "EWindowClass.h"
#include "EWindowProc.h"
#include "ProgramSettings.h"

namespace {

LRESULT CALLBACK OtherProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(handle, message, wParam, lParam);
}

}

TEST_CASE("language: Japanese only on a Japanese system without a non-zero Force english")
{
    const LANGID japanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
    const LANGID english = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    CHECK(EChooseJapanese(japanese, ERROR_FILE_NOT_FOUND, 0));
    CHECK(EChooseJapanese(japanese, ERROR_SUCCESS, 0));
    CHECK_FALSE(EChooseJapanese(japanese, ERROR_SUCCESS, 1));
    CHECK_FALSE(EChooseJapanese(japanese, ERROR_SUCCESS, 0x100));
    CHECK_FALSE(EChooseJapanese(english, ERROR_FILE_NOT_FOUND, 0));
    CHECK_FALSE(EChooseJapanese(english, ERROR_SUCCESS, 0));
    // Only the low 10 bits name the language.
    CHECK(EChooseJapanese(MAKELANGID(LANG_JAPANESE, 0x3F), ERROR_FILE_NOT_FOUND, 0));
}

TEST_CASE("registry number read: absent, present, too long, of another type")
{
    const char* subkey = "Software\\KorvaneSoft\\OmbrelTest";
    CleanKeyTree cleanup(subkey);
    DWORD value = 77;
    CHECK(ERegReadNumber(HKEY_CURRENT_USER, subkey, "Force english", &value) != ERROR_SUCCESS);
    CHECK(value == 0);

    DWORD one = 1;
    const char longText[] = "a text longer than four bytes";
    const BYTE two[2] = {0x31, 0x00}, four[4] = {0x31, 0, 0, 0};
    REQUIRE(WriteValue(subkey, "Force english", REG_DWORD, &one, sizeof one));
    REQUIRE(WriteValue(subkey, "Long", REG_SZ, longText, sizeof longText));
    REQUIRE(WriteValue(subkey, "Short", REG_BINARY, two, sizeof two));
    REQUIRE(WriteValue(subkey, "Text", REG_SZ, "0", 2));
    REQUIRE(WriteValue(subkey, "Binary", REG_BINARY, four, sizeof four));

    CHECK(ERegReadNumber(HKEY_CURRENT_USER, subkey, "Force english", &value) == ERROR_SUCCESS);
    CHECK(value == 1);
    // A value that does not fit four bytes reads as absent, never past the buffer.
    value = 77;
    CHECK(ERegReadNumber(HKEY_CURRENT_USER, subkey, "Long", &value) != ERROR_SUCCESS);
    CHECK(value == 0);
    // Only a REG_DWORD is a number: text "0" would otherwise read as 0x30,
    // a non-zero Force english.
    for (const char* other : {"Short", "Text", "Binary"}) {
        CAPTURE(other);
        value = 77;
        CHECK(ERegReadNumber(HKEY_CURRENT_USER, subkey, other, &value) != ERROR_SUCCESS);
        CHECK(value == 0);
    }
}

TEST_CASE("class registration: defaults, overrides, and an existing class kept")
{
    EApplication::instance = GetModuleHandleA(nullptr);
    EApplication::previousInstance = nullptr;

    EAttributeList plain;
    plain.Set(EKey::ClassName, "OmbrelTestPlain");
    CHECK(ERegisterWindowClass(plain) != 0);
    WNDCLASSA wc;
    REQUIRE(GetClassInfoA(EApplication::instance, "OmbrelTestPlain", &wc));
    CHECK((wc.lpfnWndProc == EWindowProc));

    EAttributeList custom;
    custom.Set(EKey::ClassName, "OmbrelTestCustom")
        .Set(EKey::ClassStyle, CS_HREDRAW)
        .Set(EKey::WndProc, reinterpret_cast<void*>(OtherProc))
        .Set(EKey::Background, COLOR_BTNFACE + 1)
        .Set(EKey::WndExtra, 16);
    CHECK(ERegisterWindowClass(custom) != 0);
    REQUIRE(GetClassInfoA(EApplication::instance, "OmbrelTestCustom", &wc));
    CHECK(wc.style == CS_HREDRAW);
    CHECK((wc.lpfnWndProc == OtherProc));
    CHECK(wc.cbWndExtra == 16);

    // Registering again with other attributes changes nothing.
    EAttributeList again;
    again.Set(EKey::ClassName, "OmbrelTestCustom").Set(EKey::ClassStyle, CS_DBLCLKS);
    CHECK(ERegisterWindowClass(again) != 0);
    REQUIRE(GetClassInfoA(EApplication::instance, "OmbrelTestCustom", &wc));
    CHECK(wc.style == CS_HREDRAW);

    // With a previous instance nothing new is registered.
    EApplication::previousInstance = reinterpret_cast<HINSTANCE>(1);
    EAttributeList refused;
    refused.Set(EKey::ClassName, "OmbrelTestRefused");
    CHECK(ERegisterWindowClass(refused) == 0);
    EApplication::previousInstance = nullptr;
}

TEST_CASE("message loop: returns the quit code")
{
    PostQuitMessage(42);
    CHECK(EApplication::RunMessageLoop() == 42);
}

TEST_CASE("attribute list: ToPixels without arguments uses the system's dialog base units")
{
    LONG units = GetDialogBaseUnits();
    EAttributeList system;
    system.Set(EKey::Width, 4).Set(EKey::Height, 8).ToPixels();
    CHECK(system.Get(EKey::Width) == static_cast<EValue>(LOWORD(units)));
    CHECK(system.Get(EKey::Height) == static_cast<EValue>(HIWORD(units)));
}
