#include "ProgramSettings.h"

#include <sddl.h>

const char SettingsKey[] = "Software\\KorvaneSoft\\KorvaneFolderSync\\Settings";

namespace {

const char ProductKey[] = "Software\\KorvaneSoft\\KorvaneFolderSync";
const char MakerKey[] = "Software\\KorvaneSoft";

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

bool KeyExists(const std::string& path)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool WriteValue(const std::string& path, const char* name, DWORD type, const void* data, DWORD size)
{
    return RegSetKeyValueA(HKEY_CURRENT_USER, path.c_str(), name, type, data, size) == ERROR_SUCCESS;
}

bool MakeKey(const std::string& path, const char* valueName)
{
    DWORD one = 1;
    if (valueName)
        return WriteValue(path, valueName, REG_DWORD, &one, sizeof one);
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool MakeLink(const std::string& path, const std::string& target)
{
    // The link names its target by the native path below this user's hive.
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return false;
    char buffer[256];
    DWORD size = 0;
    BOOL known = GetTokenInformation(token, TokenUser, buffer, sizeof buffer, &size);
    CloseHandle(token);
    char* sid = nullptr;
    if (!known || !ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid, &sid))
        return false;
    std::string native = std::string("\\Registry\\User\\") + sid + "\\" + target;
    LocalFree(sid);
    std::wstring wide(native.begin(), native.end());
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_CREATE_LINK,
                        KEY_ALL_ACCESS | KEY_CREATE_LINK, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    // The target's name without a terminating NUL.
    LONG written = RegSetValueExW(key, L"SymbolicLinkValue", 0, REG_LINK, reinterpret_cast<const BYTE*>(wide.data()),
                                  static_cast<DWORD>(wide.size() * sizeof(wchar_t)));
    RegCloseKey(key);
    return written == ERROR_SUCCESS;
}

void SetForceEnglish(unsigned long value)
{
    DWORD number = value;
    WriteValue(MakerKey, "Force english", REG_DWORD, &number, sizeof number);
}

void RemoveForceEnglish()
{
    RegDeleteKeyValueA(HKEY_CURRENT_USER, MakerKey, "Force english");
}
