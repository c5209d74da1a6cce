#include "ProgramSettings.h"

#include <windows.h>

namespace {

const char MakerKey[] = "Software\\KorvaneSoft";
const char ProductKey[] = "Software\\KorvaneSoft\\KorvaneFolderSync";
const char SettingsKey[] = "Software\\KorvaneSoft\\KorvaneFolderSync\\Settings";

}

void RemoveProgramSettings()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, ProductKey);
}

void RememberSetFile(const std::string& path)
{
    RegSetKeyValueA(HKEY_CURRENT_USER, SettingsKey, "Ini file", REG_SZ, path.c_str(),
                    static_cast<DWORD>(path.size() + 1));
}

long SettingNumber(const char* name)
{
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, SettingsKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
        return -1;
    return static_cast<long>(value);
}

std::string SettingText(const char* name)
{
    char text[MAX_PATH * 2] = "";
    DWORD size = sizeof text;
    if (RegGetValueA(HKEY_CURRENT_USER, SettingsKey, name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return "<none>";
    return text;
}

bool StoreSetting(const char* name, unsigned long type, const void* data, unsigned long size)
{
    return RegSetKeyValueA(HKEY_CURRENT_USER, SettingsKey, name, type, data, size) == ERROR_SUCCESS;
}

bool SettingsKeyExists()
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void SetForceEnglish(unsigned long value)
{
    DWORD number = value;
    RegSetKeyValueA(HKEY_CURRENT_USER, MakerKey, "Force english", REG_DWORD, &number, sizeof number);
}

void RemoveForceEnglish()
{
    RegDeleteKeyValueA(HKEY_CURRENT_USER, MakerKey, "Force english");
}
