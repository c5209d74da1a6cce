#ifndef OMBREL_SETTINGS_H
#define OMBREL_SETTINGS_H

#include <string>

class SettingsWindow;

// Below HKEY_CURRENT_USER.
extern const char SettingsKeyPath[];

// Applies the stored set-file path (empty: none), window rectangle and
// column widths. Without a Settings key it creates the key, makes the path
// none and leaves the window as it is.
void LoadSettings(SettingsWindow& window, std::string& setFilePath);

// Stores them again, but only into an existing Settings key: once the
// program's keys are removed, closing does not bring them back. An empty
// path leaves the stored one as it was.
void SaveSettings(SettingsWindow& window, const std::string& setFilePath);

#endif
