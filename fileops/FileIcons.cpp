#include "FileIcons.h"

#include <shellapi.h>

#include "WidePath.h"

FileIcons::~FileIcons()
{
    for (int i = 0; i < count; i++)
        DestroyIcon(icons[i]);
}

HICON FileIcons::Get(const std::wstring& path)
{
    if (count == Capacity)
        return nullptr;
    // The shell may hand the work to icon handlers, which need COM.
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // The shell takes no long form under Wine: the path as a user writes
    // it, and, for a name or length only the long form reaches, the icon
    // of the file's type.
    SHFILEINFOW info = {};
    const UINT flags = SHGFI_ICON | SHGFI_DISPLAYNAME | SHGFI_TYPENAME;
    DWORD_PTR found = SHGetFileInfoW(LongPath(path).c_str(), 0, &info, sizeof info, flags);
    if (!found || !info.hIcon)
        found = SHGetFileInfoW(ShownPath(path).c_str(), 0, &info, sizeof info, flags);
    if ((!found || !info.hIcon) && GetFileAttributesW(LongPath(path).c_str()) != INVALID_FILE_ATTRIBUTES)
        found = SHGetFileInfoW(LastName(path).c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                               flags | SHGFI_USEFILEATTRIBUTES);
    if (SUCCEEDED(com))
        CoUninitialize();
    if (!found || !info.hIcon)
        return nullptr;
    icons[count++] = info.hIcon;
    return info.hIcon;
}
