#ifndef OMBREL_SYNCHOST_H
#define OMBREL_SYNCHOST_H

#include <windows.h>

// What a run needs from the window that started it. The main window forwards
// these to its dialogs, log and status bar; tests script the answers.
class SyncHost {
public:
    virtual ~SyncHost() {}

    // Owner of every box the run shows.
    virtual HWND Owner() = 0;

    // Each returns the id of the button that closed the confirmation:
    // IDYES (6), 20 (Yes to All), IDNO (7) or IDCANCEL (2).
    virtual int ConfirmReplace(const char* newFile, const char* existingFile) = 0;
    virtual int ConfirmDeleteFile(const char* path) = 0;
    virtual int ConfirmRemoveFolder(const char* path) = 0;

    // One row of the operation log: "copy", "del" or "rmdir", written before
    // the action; second is empty for the removals.
    virtual void LogOperation(const char* operation, const char* first, const char* second) = 0;
    // Part 0 of the status bar: the folder being walked, empty at the end.
    virtual void ShowStatus(const char* text) = 0;
    // Called at every file and folder; dispatches at most one message.
    virtual void PumpOneMessage() = 0;
    // The abort flag: read after every pump, cleared at the start of a pass.
    virtual bool AbortRequested() = 0;
    virtual void ClearAbort() = 0;
};

// The button id of Yes to All in the confirmations.
enum { SyncYesToAll = 20 };

#endif
