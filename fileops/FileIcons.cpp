#include "FileIcons.h"

#include <shellapi.h>

FileIcons::~FileIcons()
{
    for (int i = 0; i < count; i++)
        DestroyIcon(icons[i]);
}

HICON FileIcons::Get(const char* path)
{
    if (count == Capacity)
        return nullptr;
    // The shell may hand the work to icon handlers, which need COM.
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    SHFILEINFOA info = {};
    DWORD_PTR found = SHGetFileInfoA(path, 0, &info, sizeof info, SHGFI_ICON | SHGFI_DISPLAYNAME | SHGFI_TYPENAME);
    if (SUCCEEDED(com))
        CoUninitialize();
    if (!found || !info.hIcon)
        return nullptr;
    icons[count++] = info.hIcon;
    return info.hIcon;
}
