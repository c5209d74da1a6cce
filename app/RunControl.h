#ifndef OMBREL_RUNCONTROL_H
#define OMBREL_RUNCONTROL_H

#include "WindowSyncHost.h"

class RunWindow;
class SetList;
class SyncRun;

// What the "DOWN", "UP" and "Abort" buttons do: commit the fields, check the
// folders, lock the window, run the set and report. The main window owns it
// and lives at least until a run in progress has returned.
class RunControl {
public:
    // Both are borrowed for the life of the object.
    RunControl(RunWindow& window, SetList& sets);
    RunControl(const RunControl&) = delete;
    RunControl& operator=(const RunControl&) = delete;

    // "DOWN": commits the fields, checks the folders and runs the set from
    // source to destination. "UP": the other way, same options. A request
    // while a run or its checks are going is ignored, and so is one whose
    // set name cannot be stored. 1 when a run started and ended without
    // stopping.
    int RunForward();
    int RunBackward();
    // "Preview DOWN" and "Preview UP": the same runs walked without acting;
    // the log shows what they would do, a summary ends them. A missing
    // destination is neither asked about nor made.
    int PreviewForward();
    int PreviewBackward();
    // "Abort": the running pass stops at its next file or folder.
    void AbortRun() { host.RequestAbort(); }
    // The window is being destroyed: a run in progress stops and touches the
    // window no more; no run starts afterwards.
    void WindowClosing() { host.WindowClosing(); }

    // 1 when a run from source to destination may start: the source is a
    // folder, the pair is safe, and a missing destination was created with
    // the user's consent (for a preview, it may stay missing). Otherwise the
    // reason was shown. The callers above commit the fields first.
    int CheckFolders(const char* source, const char* destination, bool preview = false);
    // Locks the window, empties the log, runs both passes as the options
    // ask (or previews them), reports how it went in a box and the status
    // bar, and unlocks the window.
    int RunSet(const char* source, const char* destination, int deleteOption, int forceOption, bool preview = false);

    // From the click to the end of the run: the folder checks and their
    // questions count, so nothing may change the set about to run.
    bool Running() const { return active != nullptr || checking; }
    bool AbortRequested() { return host.AbortRequested(); }
    // The confirmation flag of the run in progress (0 when idle).
    int Confirming() const;
    SyncHost& Host() { return host; }

private:
    int Run(bool forward, bool preview);

    RunWindow& window;
    SetList& sets;
    WindowSyncHost host;
    SyncRun* active = nullptr;
    bool checking = false;
};

#endif
