#ifndef OMBREL_SETFILESESSION_H
#define OMBREL_SETFILESESSION_H

#include <string>

class SetFileWindow;
class SetList;
class SettingsWindow;

// The set file in use and the settings: read at start, opened and saved by
// the File menu, written once when the window closes. The set file is only
// ever replaced through the safe writer, and never when it exists but could
// not be read: the empty list on screen is not the user's data.
class SetFileSession {
public:
    // All three are borrowed for the life of the object.
    SetFileSession(SetList& sets, SetFileWindow& window, SettingsWindow& settings);
    SetFileSession(const SetFileSession&) = delete;
    SetFileSession& operator=(const SetFileSession&) = delete;

    // Loads the settings, then reads the remembered set file. 0 when no set
    // file is known: the caller then posts "Open INI file" to itself.
    int Start();
    // "Open INI file" and "Save INI file". Both commit the fields first; a
    // name that cannot be stored stops them. Open asks first whether to
    // save changes not yet saved (Yes, No, Cancel). A cancelled dialog
    // changes nothing.
    void Open();
    void SaveAs();
    // Writes the set file (asking for a name when none is known) and the
    // settings, once: later calls do nothing. The caller stops a run in
    // progress first.
    void SaveOnClose();

    // Empty when no set file is known.
    const std::string& Path() const { return path; }

private:
    void Read();
    int Choose(int dialog);
    int Write();
    bool MayReplace() const;
    // 1 when the sets may be left: saved, unchanged, or the user said not
    // to save them.
    int SettleChanges();
    int SaveChanges();

    SetList& sets;
    SetFileWindow& window;
    SettingsWindow& settings;
    std::string path;
    // The file at path could not be read: it is not ours to replace.
    bool unread = false;
    // The set file's bytes for the sets as last read or written: the
    // session holds changes when the list formats to anything else.
    std::string saved;
    bool closed = false;
};

#endif
