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
    // toBin: what goes is moved to the Recycle Bin, and the question says so.
    virtual int ConfirmDeleteFile(const std::wstring& path, bool toBin) = 0;
    virtual int ConfirmRemoveFolder(const std::wstring& path, bool toBin) = 0;
    // The deletion guard, asked even when the set says Force, before the run
    // changes anything: the delete pass would delete deleting of the files
    // files in folder. Only IDYES lets the run go on.
    virtual int ConfirmMassDelete(int deleting, int files, const std::wstring& folder) = 0;
    // Asked once in a run, when the Recycle Bin cannot take path: IDYES
    // deletes it, and whatever else the bin refuses in this run, for good.
    virtual int ConfirmPermanentDelete(const std::wstring& path) = 0;
    // A file could not be read, written, replaced or deleted (in use, access
    // denied, gone since it was listed); text says which and why. IDIGNORE
    // skips it, SyncSkipAll skips it and every such file after it without
    // asking again; anything else stops the run.
    virtual int ConfirmSkipFile(const std::wstring& text) = 0;

    // One row of the operation log, written before the action: "copy",
    // "mkdir", "del" or "rmdir"; "skip" for what an answer left alone and
    // "newer, kept" for a destination file newer than its source, listed at
    // the end of the run; a file skipped after an error is logged "skip" with
    // the error as second, and listed again at the end as "skipped". A preview's rows start with "(plan) ". second is
    // the destination of "copy" and of the two rows after it, else empty.
    virtual void LogOperation(const char* operation, const std::wstring& first, const std::wstring& second) = 0;
    // Part 0 of the status bar: the folder being walked, empty at the end.
    virtual void ShowStatus(const std::wstring& text) = 0;
    // ShowError (ErrorSink): why the run stops, told once before it ends.

    // Called at every file and folder, at the run's start and while it waits
    // for a helper thread; dispatches at most one message.
    virtual void PumpOneMessage() = 0;
    // The abort flag, read after every pump. Whoever starts a run clears it:
    // an abort asked for at any moment of the run, its start included,
    // stops it at the next file or folder.
    virtual bool AbortRequested() = 0;
};

// The button ids of Yes to All in the confirmations and of Skip all in the
// question about a file that failed.
enum { SyncYesToAll = 20, SyncSkipAll = 21 };

#endif
