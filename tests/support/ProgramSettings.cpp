#include "ProgramSettings.h"

#include <windows.h>

namespace {

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
