#ifndef OMBREL_RUNWINDOW_H
#define OMBREL_RUNWINDOW_H

#include <windows.h>

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
    // Empties the operation log and repaints it at once.
    virtual void ClearLog() = 0;
    // Appends one row, selected and scrolled into view.
    virtual void LogOperation(const char* operation, const char* first, const char* second) = 0;
    // Part 0 of the status bar.
    virtual void ShowStatus(const char* text) = 0;

    // The file confirmations (the dialogs of fileops); each returns the id
    // of the button that closed it: 6 Yes, 20 Yes to All, 7 No, 2 Cancel.
    virtual int ConfirmReplace(const char* newFile, const char* existingFile) = 0;
    virtual int ConfirmDeleteFile(const char* path) = 0;
    virtual int ConfirmRemoveFolder(const char* path) = 0;
};

#endif
