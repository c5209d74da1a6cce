#ifndef OMBREL_PROGRAMSETTINGS_H
#define OMBREL_PROGRAMSETTINGS_H

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
// Stores raw bytes of any registry type under the settings, as another
// version or a hand edit may leave them; false when it could not.
bool StoreSetting(const char* name, unsigned long type, const void* data, unsigned long size);
bool SettingsKeyExists();
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

#endif
