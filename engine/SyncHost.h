#ifndef OMBREL_SYNCHOST_H
#define OMBREL_SYNCHOST_H

#include "ErrorSink.h"

#include <string>

// What a run needs from whoever started it: the main window forwards these
// to its dialogs, log, status bar and error boxes; tests script the answers.
// Every path handed over is a full path as a user writes it (no \\?\ prefix),
// with the file system's own names, whatever the code page.
class SyncHost : public ErrorSink {
public:
    // Each returns the id of the button that closed the confirmation:
    // IDYES (6), 20 (Yes to All), IDNO (7) or IDCANCEL (2).
    virtual int ConfirmReplace(const std::wstring& newFile, const std::wstring& existingFile) = 0;
    virtual int ConfirmDeleteFile(const std::wstring& path) = 0;
    virtual int ConfirmRemoveFolder(const std::wstring& path) = 0;

    // One row of the operation log: "copy", "del" or "rmdir", written before
    // the action; second is empty for the removals.
    virtual void LogOperation(const char* operation, const std::wstring& first, const std::wstring& second) = 0;
    // Part 0 of the status bar: the folder being walked, empty at the end.
    virtual void ShowStatus(const std::wstring& text) = 0;
    // ShowError (ErrorSink): why the run stops, told once before it ends.

    // Called at every file and folder; dispatches at most one message.
    virtual void PumpOneMessage() = 0;
    // The abort flag: read after every pump, cleared at the start of a pass.
    virtual bool AbortRequested() = 0;
    virtual void ClearAbort() = 0;
};

// The button id of Yes to All in the confirmations.
enum { SyncYesToAll = 20 };

#endif
