#ifndef OMBREL_WINDOWSYNCHOST_H
#define OMBREL_WINDOWSYNCHOST_H

#include "SyncHost.h"

class RunWindow;

// The engine's view of the main window: forwards to the window and keeps
// the abort flag. Once the window is closing, nothing reaches it any more:
// confirmations answer Cancel (also one that was open as the close came),
// rows, texts and errors are dropped and no message is pumped, so a run that
// outlives its window only unwinds.
class WindowSyncHost : public SyncHost {
public:
    // The window is borrowed and must outlive the host or be closed first.
    explicit WindowSyncHost(RunWindow& window) : window(window) {}

    int ConfirmReplace(const std::wstring& newFile, const std::wstring& existingFile) override;
    int ConfirmDeleteFile(const std::wstring& path, bool toBin) override;
    int ConfirmRemoveFolder(const std::wstring& path, bool toBin) override;
    int ConfirmMassDelete(int deleting, int files, const std::wstring& folder) override;
    int ConfirmPermanentDelete(const std::wstring& path) override;
    int ConfirmSkipFile(const std::wstring& text) override;
    void LogOperation(const char* operation, const std::wstring& first, const std::wstring& second) override;
    void ShowStatus(const std::wstring& text) override;
    // An error box over the window.
    void ShowError(const std::wstring& text) override;
    void PumpOneMessage() override;
    bool AbortRequested() override { return abort != 0; }
    void ClearAbort() { abort = 0; }

    // The "Abort" button.
    void RequestAbort() { abort = 1; }
    // The window is being destroyed: the run stops and leaves it alone.
    void WindowClosing();
    bool Closed() const { return closed; }

private:
    // The button the user pressed, or IDCANCEL for a question that ended
    // any other way.
    int UserAnswer(int button) const;

    RunWindow& window;
    int abort = 0;
    bool closed = false;
};

#endif
