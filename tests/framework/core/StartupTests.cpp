#include <doctest/doctest.h>

#include <windows.h>

#include "ELanguage.h"
#include "ProgramSettings.h"

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
    // Only a REG_DWORD of four bytes is a number: a longer value is never read
    // past the buffer, and text "0" would otherwise read as 0x30, a non-zero
    // Force english.
    for (const char* other : {"Long", "Short", "Text", "Binary"}) {
        CAPTURE(other);
        value = 77;
        CHECK(ERegReadNumber(HKEY_CURRENT_USER, subkey, other, &value) != ERROR_SUCCESS);
        CHECK(value == 0);
    }
}
