#include "EFolderBrowser.h"

#include <shlobj.h>

#include <cstring>

#include "EGdiObject.h"

namespace {

// Shows the full path of the selected folder in the status line.
int CALLBACK BrowseCallbackProc(HWND dialog, UINT message, LPARAM item, LPARAM)
{
    if (message == BFFM_SELCHANGED) {
        char path[MAX_PATH] = "";
        if (!SHGetPathFromIDListA(reinterpret_cast<PCIDLIST_ABSOLUTE>(item), path))
            path[0] = '\0';
        SendMessageA(dialog, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(path));
    }
    return 0;
}

}

EFolderBrowser::EFolderBrowser(HWND owner, const char* title) : owner(owner), title(ECopyText(title))
{
    displayName[0] = '\0';
    path[0] = '\0';
}

EFolderBrowser::~EFolderBrowser()
{
    delete[] title;
}

int EFolderBrowser::Browse()
{
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pszDisplayName = displayName;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;
    info.lpfn = BrowseCallbackProc;
    // The shell's chooser wants COM on this thread; a second initialisation
    // is counted, so each success is paired with its own uninitialisation.
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&info);
    int found = chosen && SHGetPathFromIDListA(chosen, path) ? 1 : 0;
    if (chosen)
        CoTaskMemFree(chosen);
    if (SUCCEEDED(com))
        CoUninitialize();
    if (!found)
        path[0] = '\0';
    return found;
}

int EFolderBrowser::GetPath(char* destination, int size) const
{
    if (size < 1)
        return 0;
    std::size_t length = std::strlen(path);
    if (length >= static_cast<std::size_t>(size)) {
        destination[0] = '\0';
        return 0;
    }
    std::memcpy(destination, path, length + 1);
    return 1;
}
