#include "WindowSyncHost.h"

#include "EApplication.h"
#include "MessageBoxes.h"
#include "RunWindow.h"

int WindowSyncHost::ConfirmReplace(const std::wstring& newFile, const std::wstring& existingFile)
{
    return closed ? IDCANCEL : UserAnswer(window.ConfirmReplace(newFile, existingFile));
}

int WindowSyncHost::ConfirmDeleteFile(const std::wstring& path, bool toBin)
{
    return closed ? IDCANCEL : UserAnswer(window.ConfirmDeleteFile(path, toBin));
}

int WindowSyncHost::ConfirmRemoveFolder(const std::wstring& path, bool toBin)
{
    return closed ? IDCANCEL : UserAnswer(window.ConfirmRemoveFolder(path, toBin));
}

int WindowSyncHost::ConfirmMassDelete(int deleting, int files, const std::wstring& folder)
{
    return closed ? IDCANCEL : UserAnswer(window.ConfirmMassDelete(deleting, files, folder));
}

int WindowSyncHost::ConfirmPermanentDelete(const std::wstring& path)
{
    return closed ? IDCANCEL : UserAnswer(window.ConfirmPermanentDelete(path));
}

int WindowSyncHost::ConfirmSkipFile(const std::wstring& text)
{
    return closed ? IDCANCEL : UserAnswer(window.ConfirmSkipFile(text));
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
    case IDIGNORE:
    case SyncSkipAll:
        return button;
    default:
        return IDCANCEL;
    }
}

void WindowSyncHost::LogOperation(const char* operation, const std::wstring& first, const std::wstring& second)
{
    if (!closed)
        window.LogOperation(operation, first, second);
}

void WindowSyncHost::ShowStatus(const std::wstring& text)
{
    if (!closed)
        window.ShowStatus(text);
}

void WindowSyncHost::ShowError(const std::wstring& text)
{
    if (!closed)
        ErrorBoxText(window.Owner(), text);
}

void WindowSyncHost::PumpOneMessage()
{
    // After the close the loop's quit message is waiting; pumping it here
    // would swallow it and leave the process without a window.
    if (!closed)
        EApplication::PumpOneMessage();
}

void WindowSyncHost::WindowClosing()
{
    closed = true;
    abort = 1;
}
