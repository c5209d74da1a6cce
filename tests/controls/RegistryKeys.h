#ifndef OMBREL_REGISTRYKEYS_H
#define OMBREL_REGISTRYKEYS_H

#include <doctest/doctest.h>

#include <windows.h>
#include <sddl.h>

#include <string>

#include "EKeyTree.h"

// Keys below HKEY_CURRENT_USER, as the uninstall tests make and look for them.
inline bool KeyExists(const std::string& path)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// Creates the key, with a DWORD value 1 of the given name.
inline void MakeKey(const std::string& path, const char* valueName = nullptr)
{
    HKEY key;
    REQUIRE(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) ==
            ERROR_SUCCESS);
    if (valueName) {
        DWORD one = 1;
        RegSetValueExA(key, valueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof one);
    }
    RegCloseKey(key);
}

// A registry link at path to target (both below HKEY_CURRENT_USER), as
// another program could place it.
inline void MakeLink(const std::string& path, const std::string& target)
{
    HANDLE token;
    REQUIRE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
    char buffer[256];
    DWORD size = 0;
    REQUIRE(GetTokenInformation(token, TokenUser, buffer, sizeof buffer, &size));
    CloseHandle(token);
    char* sid = nullptr;
    REQUIRE(ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid, &sid));
    std::string native = std::string("\\Registry\\User\\") + sid + "\\" + target;
    LocalFree(sid);
    std::wstring wide(native.begin(), native.end());
    HKEY key;
    REQUIRE(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_CREATE_LINK,
                            KEY_ALL_ACCESS | KEY_CREATE_LINK, nullptr, &key, nullptr) == ERROR_SUCCESS);
    // The target's name without a terminating NUL.
    REQUIRE(RegSetValueExW(key, L"SymbolicLinkValue", 0, REG_LINK, reinterpret_cast<const BYTE*>(wide.data()),
                           static_cast<DWORD>(wide.size() * sizeof(wchar_t))) == ERROR_SUCCESS);
    RegCloseKey(key);
}

// No key of this path for the life of the object, none left after it.
struct CleanKeyTree {
    explicit CleanKeyTree(const char* path) : path(path) { DeleteKeyTree(HKEY_CURRENT_USER, path); }
    ~CleanKeyTree() { DeleteKeyTree(HKEY_CURRENT_USER, path); }
    const char* path;
};

#endif
