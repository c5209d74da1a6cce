#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "FakeSettingsWindow.h"
#include "ProgramSettings.h"
#include "Settings.h"

namespace {

void StoreNumber(const char* name, DWORD value)
{
    REQUIRE(StoreSetting(name, REG_DWORD, &value, sizeof value));
}

}

TEST_CASE("settings: first start creates an empty key; missing values keep their defaults; stored ones apply")
{
    CleanProgramSettings clean;
    FakeSettingsWindow window;
    std::string path = "C:\\stale.ini";
    LoadSettings(window, path);
    CHECK(path.empty());
    CHECK(window.moves == 0);
    CHECK(window.widths.empty());
    REQUIRE(SettingsKeyExists());
    CHECK(SettingText("Ini file") == "<none>");
    CHECK(SettingNumber("Width") == -1);

    // The key is there now, without values.
    path = "C:\\stale.ini";
    LoadSettings(window, path);
    CHECK(path.empty());
    CHECK(window.moves == 1);
    CHECK(window.Shown() == "100 50 588 530, 300, 200");

    // Widths above 65535 by their low 16 bits.
    const char stored[] = "D:\\Sets\\mine.ini";
    REQUIRE(StoreSetting("Ini file", REG_SZ, stored, sizeof stored));
    StoreNumber("Left", static_cast<DWORD>(-20));
    StoreNumber("Top", 30);
    StoreNumber("Width", 700);
    StoreNumber("Height", 500);
    StoreNumber("Src width", 0x10000 + 150);
    StoreNumber("Dst width", 70000);
    LoadSettings(window, path);
    CHECK(path == stored);
    CHECK(window.Shown() == "-20 30 680 530, 150, " + std::to_string(70000 - 65536));
}

TEST_CASE("settings: numbers of another type or size keep their defaults")
{
    CleanProgramSettings clean;
    FakeSettingsWindow window;
    std::string path;
    // Text of exactly four bytes would pass for a number by its size alone.
    StoreSetting("Dst width", REG_SZ, "150", 4);
    StoreSetting("Src width", REG_BINARY, "\x96\0\0\0", 4);
    unsigned long long wide = 40;
    StoreSetting("Left", REG_QWORD, &wide, sizeof wide);
    DWORD big = 0x28000000;
    StoreSetting("Top", REG_DWORD_BIG_ENDIAN, &big, sizeof big);
    StoreSetting("Width", REG_DWORD, "", 0);
    StoreSetting("Height", REG_DWORD, "\x40\x01", 2);
    LoadSettings(window, path);
    CHECK(window.Shown() == "100 50 588 530, 300, 200");
    // A number stored as short text is not half read either.
    StoreSetting("Src width", REG_SZ, "5", 2);
    LoadSettings(window, path);
    CHECK(window.widths[1] == 300);
}

TEST_CASE("settings: an \"Ini file\" of another type, or text that does not fit, is taken as absent")
{
    CleanProgramSettings clean;
    FakeSettingsWindow window;
    std::string path;
    int loads = 0;
    auto loaded = [&](DWORD type, const std::string& bytes) {
        ++loads;
        path = "C:\\stale.ini";
        StoreSetting("Ini file", type, bytes.data(), static_cast<DWORD>(bytes.size()));
        LoadSettings(window, path);
        return path;
    };
    using namespace std::string_literals;
    const std::string fits = "C:\\" + std::string(256, 'p');   // 259 bytes and the terminator
    CHECK(loaded(REG_SZ, "") == "");
    CHECK(loaded(REG_SZ, "C:\\a.ini\0junk\0"s) == "C:\\a.ini");
    CHECK(loaded(REG_MULTI_SZ, "C:\\a.ini\0C:\\b.ini\0\0"s) == "C:\\a.ini");
    CHECK(loaded(REG_BINARY, "C:\\a.ini\0"s) == "");
    CHECK(loaded(REG_DWORD, "AAAA") == "");
    CHECK(loaded(REG_SZ, fits + "\0"s) == fits);
    CHECK(loaded(REG_SZ, fits + "p") == "");   // 260 bytes without a terminator
    CHECK(loaded(REG_SZ, fits + "p\0"s) == "");
    CHECK(loaded(REG_SZ, fits + "pp\0"s) == "");
    CHECK(loaded(REG_SZ, fits + std::string(41, 'p') + "\0"s) == "");
    CHECK(window.moves == loads);   // the rest still loads each time
}

TEST_CASE("settings: saving writes every value, keeps an older path, and never recreates the key")
{
    CleanProgramSettings clean;
    FakeSettingsWindow window;
    window.rect = {-5, 10, 595, 410};
    window.widths[1] = 321;
    window.widths[2] = 123;
    std::string path;

    SaveSettings(window, "C:\\x.ini");
    CHECK_FALSE(SettingsKeyExists());

    LoadSettings(window, path);   // first start creates the key
    SaveSettings(window, "C:\\x.ini");
    // The path as text; the numbers as DWORDs, or they would not load below.
    CHECK(SettingText("Ini file") == "C:\\x.ini");

    SaveSettings(window, "");   // no path known: the stored one stays
    FakeSettingsWindow next;
    LoadSettings(next, path);
    CHECK(path == "C:\\x.ini");
    CHECK(next.Shown() == "-5 10 595 410, 321, 123");

    RemoveProgramSettings();
    SaveSettings(window, "C:\\x.ini");
    CHECK_FALSE(SettingsKeyExists());
}
