#include "Settings.h"

#include "ERegKey.h"
#include "SettingsWindow.h"

const char SettingsKeyPath[] = "Software\\KorvaneSoft\\KorvaneFolderSync\\Settings";

namespace {

const DWORD DefaultSourceWidth = 300;
const DWORD DefaultDestinationWidth = 200;

void LoadColumnWidth(ERegKey& key, SettingsWindow& window, int column, const char* name, DWORD width)
{
    key.QueryNumber(name, &width);
    window.SetColumnWidth(column, static_cast<int>(width & 0xFFFF));
}

}

void LoadSettings(SettingsWindow& window, std::string& setFilePath)
{
    ERegKey key(HKEY_CURRENT_USER);
    if (key.Open(SettingsKeyPath) != ERROR_SUCCESS) {
        setFilePath.clear();
        key.Create(SettingsKeyPath);
        return;
    }

    // A text that does not fit is taken as absent: a cut path names another file.
    char path[MAX_PATH];
    DWORD size = sizeof path;
    if (key.QueryText("Ini file", path, &size) == ERROR_SUCCESS)
        setFilePath = path;
    else
        setFilePath.clear();

    RECT rect = window.WindowRect();
    DWORD left = static_cast<DWORD>(rect.left);
    DWORD top = static_cast<DWORD>(rect.top);
    DWORD width = static_cast<DWORD>(rect.right - rect.left);
    DWORD height = static_cast<DWORD>(rect.bottom - rect.top);
    key.QueryNumber("Left", &left);
    key.QueryNumber("Top", &top);
    key.QueryNumber("Width", &width);
    key.QueryNumber("Height", &height);
    window.MoveWindowTo(static_cast<int>(left), static_cast<int>(top), static_cast<int>(width),
                        static_cast<int>(height));

    LoadColumnWidth(key, window, SettingsWindow::SourceColumn, "Src width", DefaultSourceWidth);
    LoadColumnWidth(key, window, SettingsWindow::DestinationColumn, "Dst width", DefaultDestinationWidth);
    // On unless the user turned it off.
    DWORD recycleBin = 1;
    key.QueryNumber("Use Recycle Bin", &recycleBin);
    window.SetRecycleBin(recycleBin != 0);
}

void SaveSettings(SettingsWindow& window, const std::string& setFilePath)
{
    ERegKey key(HKEY_CURRENT_USER);
    if (key.Open(SettingsKeyPath) != ERROR_SUCCESS || key.Create(SettingsKeyPath) != ERROR_SUCCESS)
        return;
    if (!setFilePath.empty())
        key.SetText("Ini file", setFilePath.c_str());
    RECT rect = window.WindowRect();
    key.SetNumber("Left", static_cast<DWORD>(rect.left));
    key.SetNumber("Top", static_cast<DWORD>(rect.top));
    key.SetNumber("Width", static_cast<DWORD>(rect.right - rect.left));
    key.SetNumber("Height", static_cast<DWORD>(rect.bottom - rect.top));
    key.SetNumber("Src width", static_cast<DWORD>(window.ColumnWidth(SettingsWindow::SourceColumn)));
    key.SetNumber("Dst width", static_cast<DWORD>(window.ColumnWidth(SettingsWindow::DestinationColumn)));
    key.SetNumber("Use Recycle Bin", window.RecycleBin() ? 1 : 0);
}
