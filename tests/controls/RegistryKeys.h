#ifndef OMBREL_REGISTRYKEYS_H
#define OMBREL_REGISTRYKEYS_H

#include <doctest/doctest.h>

#include <windows.h>

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

// No key of this path for the life of the object, none left after it.
struct CleanKeyTree {
    explicit CleanKeyTree(const char* path) : path(path) { DeleteKeyTree(HKEY_CURRENT_USER, path); }
    ~CleanKeyTree() { DeleteKeyTree(HKEY_CURRENT_USER, path); }
    const char* path;
};

#endif
