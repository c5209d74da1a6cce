#include "EApplication.h"

#include "EHandle.h"

#include <new>

#include "EView.h"
#include "EWindowMap.h"

const char* EApplication::name = "";
HINSTANCE EApplication::instance = nullptr;
HINSTANCE EApplication::previousInstance = nullptr;
EWindowMap* EApplication::windowMap = nullptr;
const char* EApplication::commandLine = "";
int EApplication::argumentCount = 0;
char** EApplication::arguments = nullptr;
EView* EApplication::mainWindow = nullptr;
HMODULE EApplication::richEdit = nullptr;
int EApplication::showCommand = SW_SHOWNORMAL;
EDialog* EApplication::pendingDialog = nullptr;
HMODULE EApplication::codeConversion = nullptr;

namespace {

// The pump's last look at the queue, on the window's thread.
DWORD pumpEmptySince = 0;
bool pumpFoundEmpty = false;

}

EApplication::EApplication(const char* applicationName, int argc, char** argv)
{
    name = applicationName;
    argumentCount = argc;
    arguments = argv;
    windowMap = new (std::nothrow) EWindowMap;
    mainWindow = nullptr;
}

EApplication::~EApplication()
{
    delete windowMap;
    windowMap = nullptr;
    if (richEdit) {
        FreeLibrary(richEdit);
        richEdit = nullptr;
    }
    if (codeConversion) {
        FreeLibrary(codeConversion);
        codeConversion = nullptr;
    }
}

bool EApplication::FindRunningInstance(const char* instanceName)
{
    // Owned by this thread until the process ends. Creating is the one
    // atomic step: of two starts at once, exactly one makes it.
    EMutexHandle mutex(CreateMutexA(nullptr, TRUE, instanceName));
    if (!mutex.Valid() || GetLastError() != ERROR_ALREADY_EXISTS) {
        mutex.Release();
        return false;
    }
    // Another start holds it, and its window may not be there yet.
    DWORD start = GetTickCount();
    for (;;) {
        HWND other = FindWindowA(instanceName, nullptr);
        bool waited = GetTickCount() - start >= InstanceWaitMilliseconds;
        if (other && (IsWindowVisible(other) || waited)) {
            SetForegroundWindow(other);
            return true;
        }
        if (waited)
            return true;
        // Owned by no one (the holder ended, or only kept the name open):
        // this start is the one, and keeps it.
        DWORD wait = WaitForSingleObject(mutex.Get(), 50);
        if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) {
            mutex.Release();
            return false;
        }
    }
}

int EApplication::RunMessageLoop()
{
    MSG message;
    for (;;) {
        BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(message.wParam);
        if (got == -1)
            return -1;
        if (FilterDialogMessage(&message))
            continue;
        if (mainWindow && mainWindow->PreTranslate(&message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void EApplication::PumpOneMessage()
{
    // Asking for a message costs more than deciding about a small file, so
    // after a look that found none the next look waits a few milliseconds;
    // while messages are waiting, one is taken at every call.
    if (pumpFoundEmpty && GetTickCount() - pumpEmptySince < PumpQuietMilliseconds)
        return;
    MSG message;
    pumpFoundEmpty = !PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);
    if (pumpFoundEmpty) {
        pumpEmptySince = GetTickCount();
        return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

bool EApplication::FilterDialogMessage(MSG* message)
{
    HWND window = message->hwnd;
    HWND parent = window ? GetParent(window) : nullptr;
    if (!parent)
        return false;
    LONG style = GetWindowLongA(parent, GWL_STYLE);
    LONG exStyle = GetWindowLongA(parent, GWL_EXSTYLE);
    bool popup = (style & WS_POPUP) != 0;
    bool controlParent = (exStyle & WS_EX_CONTROLPARENT) != 0;
    if (!popup && !controlParent)
        return false;
    if (!IsDialogMessageA(parent, message))
        return false;
    if (message->message != WM_KEYDOWN || message->wParam != VK_RETURN)
        return true;
    // Return also reaches the control itself, so edits can act on it.
    if (popup) {
        message->message = WM_COMMAND;
        message->wParam = VK_RETURN;
        message->lParam = reinterpret_cast<LPARAM>(window);
        DispatchMessageA(message);
    }
    if (controlParent)
        DispatchMessageA(message);
    return true;
}
