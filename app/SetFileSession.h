#ifndef OMBREL_SETFILESESSION_H
#define OMBREL_SETFILESESSION_H

#include <string>

#include "SetFile.h"

class SetFileWindow;
class SetList;
class SettingsWindow;

// The set file in use and the settings: read at start, opened and saved by
// the File menu, written when the window closes or the Windows session
// ends. The set file is only ever replaced through the safe writer, never
// when it exists but could not be read (the empty list on screen is not the
// user's data), and never without asking when another program changed it
// after it was read. When it cannot be written at close, the user is told
// why and offered Save As until a write works or the user says Don't save.
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
    // settings. stoppable: the close may still be called off (WM_CLOSE);
    // false when the user chose Cancel, and a later close asks again.
    // Otherwise true, and later calls do nothing. The caller stops a run in
    // progress first, or lets it go on while asking.
    bool SaveOnClose(bool stoppable = false);
    // WM_QUERYENDSESSION: saves the same way before Windows is told the
    // session may end; false when the user chose Cancel.
    bool SaveBeforeSessionEnds();
    // WM_ENDSESSION: when the session ends, the last save (nothing is asked
    // again when the save above stands); when it goes on, the window works
    // on as before.
    void SessionEnds(bool ending);

    // Empty when no set file is known.
    const std::string& Path() const { return path; }

private:
    enum Outcome { Saved, NotSaved, Cancelled };

    void Read();
    int Choose(int dialog);
    int Write();
    bool MayReplace() const;
    // 1 when the sets may be left: saved, unchanged, or the user said not
    // to save them.
    int SettleChanges();
    int SaveChanges();
    Outcome SaveSets(bool stoppable);
    bool ChooseOther(std::string& target);

    SetList& sets;
    SetFileWindow& window;
    SettingsWindow& settings;
    std::string path;
    // What the file at path was when it was read or last written.
    SetFileStamp stamp;
    // The file at path could not be read: it is not ours to replace.
    bool unread = false;
    // The set file's bytes for the sets as last read or written: the
    // session holds changes when the list formats to anything else.
    std::string saved;
    bool closed = false;
    // A question about the set file is open: a second close waits for it.
    bool asking = false;
    // The user chose Don't save as the session was about to end.
    bool declined = false;
};

// Why the set file could not be written, in the interface language.
std::string SetFileFaultText(const SetFileError& error);

#endif
