#include "ELanguage.h"

#include <cstring>

namespace {

const char CodeConversionName[] = "MIRSOL.DLL";

void LookUpEntryPoints(HMODULE module)
{
    // Only whether the library loads matters; missing entry points are fine.
    GetProcAddress(module, "unicode2sjis");
    GetProcAddress(module, "sjis2unicode");
    GetProcAddress(module, "jis2unicode");
}

// Loads name from folder when the joined path fits; full paths never search.
HMODULE LoadFrom(const char* folder, std::size_t folderLength)
{
    char path[MAX_PATH];
    if (folderLength == 0 || folderLength + 1 + sizeof CodeConversionName > sizeof path)
        return nullptr;
    std::memcpy(path, folder, folderLength);
    path[folderLength] = '\\';
    std::memcpy(path + folderLength + 1, CodeConversionName, sizeof CodeConversionName);
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
        return nullptr;
    HMODULE module = LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (module)
        LookUpEntryPoints(module);
    return module;
}

}

LONG ERegReadNumber(HKEY root, const char* subkey, const char* valueName, DWORD* value)
{
    *value = 0;
    HKEY key;
    LONG status = RegOpenKeyExA(root, subkey, 0, KEY_ALL_ACCESS, &key);
    if (status != ERROR_SUCCESS)
        return status;
    DWORD number = 0;
    DWORD size = sizeof number;
    DWORD type = REG_NONE;
    status = RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(&number), &size);
    RegCloseKey(key);
    // Text such as "0" is not the number 0x30; a short value is no number.
    if (status == ERROR_SUCCESS && (type != REG_DWORD || size != sizeof number))
        status = ERROR_INVALID_DATA;
    if (status == ERROR_SUCCESS)
        *value = number;
    return status;
}

bool EChooseJapanese(LANGID systemLanguage, LONG forceStatus, DWORD forceEnglish)
{
    if (PRIMARYLANGID(systemLanguage) != LANG_JAPANESE)
        return false;
    return forceStatus != ERROR_SUCCESS || forceEnglish == 0;
}

HMODULE ELoadCodeConversion()
{
    char folder[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, folder, sizeof folder);
    if (length > 0 && length < sizeof folder) {
        char* slash = std::strrchr(folder, '\\');
        if (slash) {
            if (HMODULE module = LoadFrom(folder, slash - folder))
                return module;
        }
    }
    length = GetSystemDirectoryA(folder, sizeof folder);
    if (length > 0 && length < sizeof folder)
        return LoadFrom(folder, length);
    return nullptr;
}
