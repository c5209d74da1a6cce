#ifndef OMBREL_EAPPLICATION_H
#define OMBREL_EAPPLICATION_H

#include <windows.h>

class EWindowMap;
class EView;
class EDialog;

// The application object. Its state is process-wide and exists once, so the
// fields are static: the process entry fills them before `main` constructs
// the object, and window code reads them anywhere on the one UI thread.
class EApplication {
public:
    EApplication(const char* name, int argc, char** argv);
    // Destroys the window map and unloads the libraries loaded at start.
    virtual ~EApplication();
    EApplication(const EApplication&) = delete;
    EApplication& operator=(const EApplication&) = delete;

    static const char* name;
    static HINSTANCE instance;
    static HINSTANCE previousInstance;
    static EWindowMap* windowMap;     // owned; null when allocation failed
    static const char* commandLine;   // without the program name
    static int argumentCount;
    static char** arguments;          // module path first
    static EView* mainWindow;
    static HMODULE richEdit;
    static int showCommand;
    static EDialog* pendingDialog;
    static HMODULE codeConversion;

    // How long a second start waits for the first one's window.
    enum { InstanceWaitMilliseconds = 5000 };

    // The named mutex, owned by the running instance, keeps to one instance
    // per user. False when this start now owns it and goes on. True when
    // another instance owns it: its main window (class `name`) was brought
    // forward once shown, or did not show within the wait; this start ends.
    static bool FindRunningInstance(const char* name);

    // Runs until WM_QUIT and returns its exit code.
    static int RunMessageLoop();
    // For work done on this thread between messages: dispatches at most one
    // pending message. After a look that found the queue empty, calls
    // within the next PumpQuietMilliseconds do not look again.
    enum { PumpQuietMilliseconds = 10 };
    static void PumpOneMessage();

    // Dialog navigation for controls inside popups and control parents.
    // True when the message was consumed.
    static bool FilterDialogMessage(MSG* message);
};

#endif
