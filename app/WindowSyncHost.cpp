#include "WindowSyncHost.h"

#include "FileActions.h"
#include "RunWindow.h"

HWND WindowSyncHost::Owner()
{
    return closed ? nullptr : window.Owner();
}

int WindowSyncHost::ConfirmReplace(const char* newFile, const char* existingFile)
{
    return closed ? IDCANCEL : UserAnswer(window.ConfirmReplace(newFile, existingFile));
}

int WindowSyncHost::ConfirmDeleteFile(const char* path)
{
    return closed ? IDCANCEL : UserAnswer(window.ConfirmDeleteFile(path));
}

int WindowSyncHost::ConfirmRemoveFolder(const char* path)
{
    return closed ? IDCANCEL : UserAnswer(window.ConfirmRemoveFolder(path));
}

int WindowSyncHost::UserAnswer(int button) const
{
    // A close request or the session's end met while the question was open
    // destroyed it: whatever it returned, nobody answered.
    if (closed)
        return IDCANCEL;
    switch (button) {
    case IDYES:
    case SyncYesToAll:
    case IDNO:
        return button;
    default:
        return IDCANCEL;
    }
}

void WindowSyncHost::LogOperation(const char* operation, const char* first, const char* second)
{
    if (!closed)
        window.LogOperation(operation, first, second);
}

void WindowSyncHost::ShowStatus(const char* text)
{
    if (!closed)
        window.ShowStatus(text);
}

void WindowSyncHost::PumpOneMessage()
{
    // After the close the loop's quit message is waiting; pumping it here
    // would swallow it and leave the process without a window.
    if (!closed)
        ::PumpOneMessage();
}

void WindowSyncHost::WindowClosing()
{
    closed = true;
    abort = 1;
}
