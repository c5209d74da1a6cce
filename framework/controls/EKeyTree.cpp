#include "EKeyTree.h"

#include <cstring>
#include <string>

#include "EFlags.h"

namespace {

// Registry names are at most 255 characters; in a double-byte code page that
// can be twice as many bytes, so the buffer does not trust the longest-name
// count of RegQueryInfoKeyA, which may be in characters.
const DWORD NameBufferSize = 2 * 255 + 2;

// Levels of a well-formed path ("a\b" is 2); 0 for a null or empty path, a
// leading, trailing or doubled backslash. Steps over double-byte characters,
// whose second byte can look like a backslash.
int Depth(const char* path)
{
    if (!path || !*path)
        return 0;
    int depth = 1;
    bool atStart = true;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(path); *p; p++) {
        if (EDoubleByte && EIsLeadByte(*p) && p[1]) {
            p++;
            atStart = false;
        } else if (*p == '\\') {
            if (atStart)
                return 0;
            depth++;
            atStart = true;
        } else {
            atStart = false;
        }
    }
    return atStart ? 0 : depth;
}

// product is maker, a backslash and one more level.
bool IsDirectChild(const char* maker, const char* product)
{
    std::size_t length = std::strlen(maker);
    return std::strncmp(maker, product, length) == 0 && product[length] == '\\' &&
           Depth(product) == Depth(maker) + 1;
}

// No subkey and no value but "Force english", which the program keeps there.
bool IsLeftEmpty(HKEY root, const char* path)
{
    HKEY key;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    DWORD subKeys = 0, values = 0;
    bool empty = RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr,
                                  nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
                 subKeys == 0;
    for (DWORD i = 0; empty && i < values; i++) {
        char name[NameBufferSize];
        DWORD size = sizeof name;
        empty = RegEnumValueA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
                std::strcmp(name, "Force english") == 0;
    }
    RegCloseKey(key);
    return empty;
}

typedef LONG(NTAPI* DeleteKeyFunction)(HANDLE key);

// A key made with REG_OPTION_CREATE_LINK, opened as itself: its target is
// named by this value, of type REG_LINK.
bool IsLink(HKEY key)
{
    DWORD type = REG_NONE;
    return RegQueryValueExA(key, "SymbolicLinkValue", nullptr, &type, nullptr, nullptr) == ERROR_SUCCESS &&
           type == REG_LINK;
}

// Every Reg* call that takes a subkey's name opens it following the link,
// so deleting by name would delete the target: the link goes by its handle.
LONG DeleteLink(HKEY link)
{
    FARPROC found = GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtDeleteKey");
    if (!found)
        return ERROR_CALL_NOT_IMPLEMENTED;
    DeleteKeyFunction deleteKey = reinterpret_cast<DeleteKeyFunction>(reinterpret_cast<void*>(found));
    return deleteKey(link) == 0 ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

// Deletes root\path when it is a link and answers true; false (nothing
// done, *status untouched) for a plain key or one that cannot be opened.
bool DeleteIfLink(HKEY root, const char* path, LONG* status)
{
    HKEY key;
    if (RegOpenKeyExA(root, path, REG_OPTION_OPEN_LINK, KEY_QUERY_VALUE | DELETE, &key) != ERROR_SUCCESS)
        return false;
    bool link = IsLink(key);
    if (link)
        *status = DeleteLink(key);
    RegCloseKey(key);
    return link;
}

}

LONG DeleteKeyTree(HKEY root, const char* path)
{
    if (!path || !*path)
        return ERROR_INVALID_PARAMETER;
    LONG status;
    if (DeleteIfLink(root, path, &status))
        return status;
    HKEY key;
    status = RegOpenKeyExA(root, path, 0, KEY_ALL_ACCESS, &key);
    if (status != ERROR_SUCCESS)
        return status;
    DWORD subKeys = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr, nullptr) == ERROR_SUCCESS) {
        // From the highest index down, so deleting does not shift the rest.
        for (DWORD i = subKeys; i-- > 0;) {
            char name[NameBufferSize];
            DWORD size = sizeof name;
            if (RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                continue;
            std::string child = std::string(path) + "\\" + name;
            DeleteKeyTree(root, child.c_str());
        }
    }
    status = RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return status;
    return RegDeleteKeyA(root, path);
}

bool HasSubKey(HKEY root, const char* path)
{
    HKEY key;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    char name[NameBufferSize];
    DWORD size = sizeof name;
    LONG status = RegEnumKeyExA(key, 0, name, &size, nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

LONG UninstallKeys(HKEY root, const char* makerKeyPath, const char* productKeyPath)
{
    if (Depth(productKeyPath) < 2)
        return ERROR_INVALID_PARAMETER;
    if (makerKeyPath && (Depth(makerKeyPath) < 1 || !IsDirectChild(makerKeyPath, productKeyPath)))
        return ERROR_INVALID_PARAMETER;
    LONG status = DeleteKeyTree(root, productKeyPath);
    if (status != ERROR_SUCCESS)
        return status;
    // Not recursive: a subkey that appears meanwhile makes this fail, not vanish.
    if (makerKeyPath && !HasSubKey(root, makerKeyPath) && IsLeftEmpty(root, makerKeyPath))
        RegDeleteKeyA(root, makerKeyPath);
    return ERROR_SUCCESS;
}
