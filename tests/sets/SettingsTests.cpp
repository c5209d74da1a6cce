#include <doctest/doctest.h>

#include <string>

#include "FakeSettingsWindow.h"
#include "ProgramSettings.h"
#include "Settings.h"

TEST_CASE("settings: first start creates an empty key; missing values keep their defaults; stored ones apply")
{
    CleanProgramSettings clean;
    FakeSettingsWindow window;
    std::string path = "C:\\stale.ini";
    LoadSettings(window, path);
    CHECK(path.empty());
    CHECK(window.moves == 0);
    CHECK(window.widths.empty());
    REQUIRE(KeyExists(SettingsKey));
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
    REQUIRE(WriteValue(SettingsKey, "Ini file", REG_SZ, stored, sizeof stored));
    const char* names[] = {"Left", "Top", "Width", "Height", "Src width", "Dst width"};
    const DWORD numbers[] = {static_cast<DWORD>(-20), 30, 700, 500, 0x10000 + 150, 70000};
    for (int i = 0; i < 6; ++i)
        REQUIRE(WriteValue(SettingsKey, names[i], REG_DWORD, &numbers[i], sizeof numbers[i]));
    LoadSettings(window, path);
    CHECK(path == stored);
    CHECK(window.Shown() == "-20 30 680 530, 150, " + std::to_string(70000 - 65536));
}

TEST_CASE("settings: numbers or a set file's path of another type or size keep their defaults")
{
    CleanProgramSettings clean;
    FakeSettingsWindow window;
    std::string path;
    // Text of exactly four bytes would pass for a number by its size alone.
    WriteValue(SettingsKey, "Dst width", REG_SZ, "150", 4);
    WriteValue(SettingsKey, "Src width", REG_BINARY, "\x96\0\0\0", 4);
    unsigned long long wide = 40;
    WriteValue(SettingsKey, "Left", REG_QWORD, &wide, sizeof wide);
    DWORD big = 0x28000000;
    WriteValue(SettingsKey, "Top", REG_DWORD_BIG_ENDIAN, &big, sizeof big);
    WriteValue(SettingsKey, "Width", REG_DWORD, "", 0);
    WriteValue(SettingsKey, "Height", REG_DWORD, "\x40\x01", 2);
    LoadSettings(window, path);
    CHECK(window.Shown() == "100 50 588 530, 300, 200");
    // A number stored as short text is not half read either.
    WriteValue(SettingsKey, "Src width", REG_SZ, "5", 2);
    LoadSettings(window, path);
    CHECK(window.widths[1] == 300);

    // So is an "Ini file" of another type, or text that does not fit.
    int loads = 0;
    auto loaded = [&](DWORD type, const std::string& bytes) {
        ++loads;
        path = "C:\\stale.ini";
        WriteValue(SettingsKey, "Ini file", type, bytes.data(), static_cast<DWORD>(bytes.size()));
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
    CHECK(window.moves == loads + 2);   // the rest still loads each time
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
    CHECK_FALSE(KeyExists(SettingsKey));

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
    CHECK_FALSE(KeyExists(SettingsKey));
}
