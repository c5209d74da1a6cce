#ifndef OMBREL_RUNWINDOW_H
#define OMBREL_RUNWINDOW_H

#include <windows.h>

#include <string>

class EWindow;

// What a run needs from the main window: its controls, log and status bar,
// and the file confirmations. The main window implements it over its
// controls; tests implement it with plain records.
class RunWindow {
public:
    virtual ~RunWindow() = default;

    // Owner of every dialog and box of the run (may be null in tests).
    virtual EWindow* DialogParent() = 0;
    virtual HWND Owner() = 0;

    // Greys the four menu commands and disables every control but "Abort",
    // which is enabled and focused; UnlockAfterRun reverses it.
    virtual void LockForRun() = 0;
    virtual void UnlockAfterRun() = 0;
    // Empties the operation log and repaints it at once. For planned rows
    // the operation column is made wide enough to show their mark.
    virtual void ClearLog(bool planned = false) = 0;
    // Appends one row, selected and scrolled into view. Paths are wide and
    // show their real names, as everything below.
    virtual void LogOperation(const char* operation, const std::wstring& first, const std::wstring& second) = 0;
    // Part 0 of the status bar.
    virtual void ShowStatus(const std::wstring& text) = 0;

    // The file confirmations (the dialogs of fileops); each returns the id
    // of the button that closed it: 6 Yes, 20 Yes to All, 7 No, 2 Cancel.
    virtual int ConfirmReplace(const std::wstring& newFile, const std::wstring& existingFile) = 0;
    virtual int ConfirmDeleteFile(const std::wstring& path, bool toBin) = 0;
    virtual int ConfirmRemoveFolder(const std::wstring& path, bool toBin) = 0;
    // The deletion guard and the question about deleting for good what the
    // Recycle Bin refuses (see SyncHost); No is their default button.
    virtual int ConfirmMassDelete(int deleting, int files, const std::wstring& folder) = 0;
    virtual int ConfirmPermanentDelete(const std::wstring& path) = 0;
    // A file the run could not read, write, replace or delete: 5 Skip,
    // 21 Skip all, 2 Stop (also Esc and the close box).
    virtual int ConfirmSkipFile(const std::wstring& text) = 0;
    // Whether runs move what they delete or replace to the Recycle Bin.
    virtual bool UseRecycleBin() = 0;
};

#endif
