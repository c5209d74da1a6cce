#include "ERegKey.h"

#include <cstring>

ERegKey::~ERegKey()
{
    Close();
}

LONG ERegKey::Open(const char* path)
{
    Close();
    HKEY opened = nullptr;
    LONG status = RegOpenKeyExA(root, path, 0, KEY_ALL_ACCESS, &opened);
    if (status == ERROR_SUCCESS)
        key = opened;
    return status;
}

LONG ERegKey::Create(const char* path)
{
    Close();
    HKEY created = nullptr;
    LONG status = RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                                  &created, nullptr);
    if (status == ERROR_SUCCESS)
        key = created;
    return status;
}

LONG ERegKey::Close()
{
    if (!key)
        return ERROR_SUCCESS;
    LONG status = RegCloseKey(key);
    key = nullptr;
    return status;
}

LONG ERegKey::QueryText(const char* name, char* buffer, DWORD* size)
{
    DWORD capacity = *size;
    if (capacity == 0)
        return ERROR_MORE_DATA;
    DWORD type = REG_NONE;
    LONG status = key ? RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), size)
                      : ERROR_INVALID_HANDLE;
    if (status == ERROR_SUCCESS && type != REG_SZ && type != REG_EXPAND_SZ && type != REG_MULTI_SZ)
        status = ERROR_INVALID_DATATYPE;
    if (status == ERROR_SUCCESS) {
        if (*size < capacity)
            buffer[*size] = '\0';
        else if (buffer[capacity - 1] != '\0')
            status = ERROR_MORE_DATA;   // a cut text must not pass for the whole one
    }
    if (status != ERROR_SUCCESS)
        buffer[0] = '\0';
    return status;
}

LONG ERegKey::QueryNumber(const char* name, DWORD* value)
{
    DWORD number = 0;
    DWORD size = sizeof number;
    DWORD type = REG_NONE;
    LONG status = key ? RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&number), &size)
                      : ERROR_INVALID_HANDLE;
    // Four bytes of text or of a big-endian number are not this number.
    if (status == ERROR_SUCCESS && (type != REG_DWORD || size != sizeof number))
        status = ERROR_INVALID_DATA;
    if (status == ERROR_SUCCESS)
        *value = number;
    return status;
}

LONG ERegKey::SetText(const char* name, const char* text)
{
    if (!key)
        return ERROR_INVALID_HANDLE;
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                          static_cast<DWORD>(std::strlen(text) + 1));
}

LONG ERegKey::SetNumber(const char* name, DWORD value)
{
    if (!key)
        return ERROR_INVALID_HANDLE;
    return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}
