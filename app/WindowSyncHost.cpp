#include "WindowSyncHost.h"

#include "FileActions.h"
#include "MessageBoxes.h"
#include "RunWindow.h"

#include <vector>

namespace {

// The window's controls take ANSI text: '?' stands for what the code page lacks.
std::string Narrow(const std::wstring& text)
{
    int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::vector<char> narrow(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, narrow.data(), length, "?", nullptr);
    return narrow.data();
}

}

int WindowSyncHost::ConfirmReplace(const std::wstring& newFile, const std::wstring& existingFile)
{
    return closed ? IDCANCEL
                  : UserAnswer(window.ConfirmReplace(Narrow(newFile).c_str(), Narrow(existingFile).c_str()));
}

int WindowSyncHost::ConfirmDeleteFile(const std::wstring& path)
{
    return closed ? IDCANCEL : UserAnswer(window.ConfirmDeleteFile(Narrow(path).c_str()));
}

int WindowSyncHost::ConfirmRemoveFolder(const std::wstring& path)
{
    return closed ? IDCANCEL : UserAnswer(window.ConfirmRemoveFolder(Narrow(path).c_str()));
}

void WindowSyncHost::ShowError(const std::wstring& text)
{
    ErrorBoxText(closed ? nullptr : window.Owner(), text);
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

void WindowSyncHost::LogOperation(const char* operation, const std::wstring& first, const std::wstring& second)
{
    if (!closed)
        window.LogOperation(operation, Narrow(first).c_str(), Narrow(second).c_str());
}

void WindowSyncHost::ShowStatus(const std::wstring& text)
{
    if (!closed)
        window.ShowStatus(Narrow(text).c_str());
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
