#ifndef OMBREL_PROGRAMSETTINGS_H
#define OMBREL_PROGRAMSETTINGS_H

#include <windows.h>

#include <string>

// The program's settings in the per-user registry, as tests set and read
// them.

// Removes the program's key with everything below it.
void RemoveProgramSettings();
// What a former session leaves: the set file to open at start.
void RememberSetFile(const std::string& path);
// A number of the settings; -1 when it is not there.
long SettingNumber(const char* name);
// A text of the settings; "<none>" when it is not there.
std::string SettingText(const char* name);
// The settings' key below HKEY_CURRENT_USER.
extern const char SettingsKey[];
// The maker's "Force english" number; RemoveForceEnglish deletes it.
void SetForceEnglish(unsigned long value);
void RemoveForceEnglish();

// No settings for the life of the object, none left after it.
class CleanProgramSettings {
public:
    CleanProgramSettings() { RemoveProgramSettings(); }
    ~CleanProgramSettings() { RemoveProgramSettings(); }
    CleanProgramSettings(const CleanProgramSettings&) = delete;
    CleanProgramSettings& operator=(const CleanProgramSettings&) = delete;
};

// Keys by their path below HKEY_CURRENT_USER; each maker answers whether it
// worked.
bool KeyExists(const std::string& path);
// Creates the key, with a DWORD value 1 of the given name.
bool MakeKey(const std::string& path, const char* valueName = nullptr);
// Creates the key if need be and writes one value of any type.
bool WriteValue(const std::string& path, const char* name, DWORD type, const void* data, DWORD size);
// A registry link at path to target, as another program could place it.
bool MakeLink(const std::string& path, const std::string& target);

// No key of this path for the life of the object, none left after it.
class CleanKeyTree {
public:
    explicit CleanKeyTree(const std::string& path) : path(path) { RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str()); }
    ~CleanKeyTree() { RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str()); }
    CleanKeyTree(const CleanKeyTree&) = delete;
    CleanKeyTree& operator=(const CleanKeyTree&) = delete;

private:
    std::string path;
};

#endif
