#include "EWindow.h"

#include "EApplication.h"
#include "EWindowClass.h"
#include "EWindowMap.h"
#include "EWindowProc.h"

namespace {

const char DefaultClassName[] = "View";

// The class name of the system dialog box, as the atom table gives it.
bool IsSystemDialog(HWND window)
{
    char expected[64];
    char actual[64];
    if (!window || !GlobalGetAtomNameA(0x8002, expected, sizeof expected))
        return false;
    return GetClassNameA(window, actual, sizeof actual) && lstrcmpA(actual, expected) == 0;
}

}

EWindow::EWindow(EWindow* parent, const char* title, EAttributeList& list)
    : handle(nullptr), parent(parent), eventHandlers(nullptr), messageHandlers(nullptr), ownsWindow(true), id(0)
{
    Create(title, list);
}

EWindow::EWindow(EWindow* parent)
    : handle(nullptr), parent(parent), eventHandlers(nullptr), messageHandlers(nullptr), ownsWindow(true), id(0)
{
    if (parent && IsSystemDialog(parent->handle))
        ownsWindow = false;
}

EWindow::~EWindow()
{
    HWND window = handle;
    // Out of the map before the window goes, so the messages of its
    // destruction never reach this half-destroyed wrapper.
    if (window && EApplication::windowMap)
        EApplication::windowMap->Remove(window, this);
    handle = nullptr;
    if (window && ownsWindow && IsWindow(window))
        DestroyWindow(window);
    delete eventHandlers;
    delete messageHandlers;
}

void EWindow::Create(const char* title, EAttributeList& list)
{
    if (list.Get(EKey::DialogUnits))
        list.ToPixels();
    EValue value;
    if (!list.Find(EKey::ClassName, &value) || !value)
        list.Set(EKey::ClassName, DefaultClassName);
    const char* className = reinterpret_cast<const char*>(list.Get(EKey::ClassName));
    if (!list.Find(EKey::Predefined, &value))
        ERegisterWindowClass(list);

    HWND window = CreateWindowExA(static_cast<DWORD>(list.Get(EKey::ExStyle)), className, title,
                                  static_cast<DWORD>(list.Get(EKey::Style)), EIntValue(list.Get(EKey::X)),
                                  EIntValue(list.Get(EKey::Y)), EIntValue(list.Get(EKey::Width)),
                                  EIntValue(list.Get(EKey::Height)), parent ? parent->handle : nullptr, nullptr,
                                  EApplication::instance, reinterpret_cast<void*>(list.Get(EKey::CreateParam)));
    if (!window) {
        MessageBoxA(nullptr, className, "Fatal:CreateWindow", MB_ICONHAND);
        return;
    }
    Register(window);
    SetId(EIntValue(list.Get(EKey::Id)));
    if (!parent)
        AddMessageHandler(WM_DESTROY, this, &EWindow::OnDestroy);
}

void EWindow::Register(HWND window)
{
    handle = window;
    if (EApplication::windowMap)
        EApplication::windowMap->Insert(window, this);
}

void EWindow::ClientRect(RECT* rect)
{
    GetClientRect(handle, rect);
}

LRESULT EWindow::OnDestroy(EMessage&)
{
    OnQuit();
    PostQuitMessage(0);
    return 0;
}

LRESULT EWindow::DefaultProc(EMessage& m)
{
    return DefWindowProcA(handle, m.message, m.wParam, m.lParam);
}

const ENotificationRow* EWindow::NotificationMap(int* rows)
{
    *rows = 0;
    return nullptr;
}

unsigned EWindow::EventKeyFor(int code)
{
    int rows = 0;
    const ENotificationRow* map = NotificationMap(&rows);
    return ETranslateNotification(map, rows, code);
}

void EWindow::AddEventHandler(unsigned eventKey, EValue control, EObject* target, EEventFunction function,
                              EValue extra)
{
    if (!eventHandlers)
        eventHandlers = new EHandlerList;
    eventHandlers->Add(new EHandler(target, function, extra, eventKey, control));
}

void EWindow::Connect(unsigned eventKey, EObject* target, EEventFunction function, EValue extra)
{
    if (parent)
        parent->AddEventHandler(eventKey, reinterpret_cast<EValue>(handle), target, function, extra);
}

void EWindow::AddMessageHandler(UINT message, EObject* target, EMessageFunction function, EValue extra)
{
    if (!messageHandlers)
        messageHandlers = new EMessageHandlerList;
    messageHandlers->Add(message, target, function, extra);
}

void EWindow::Enable()
{
    ShowWindow(handle, SW_HIDE);
    EnableWindow(handle, TRUE);
    ShowWindow(handle, SW_SHOWNORMAL);
}

void EWindow::Disable()
{
    ShowWindow(handle, SW_HIDE);
    EnableWindow(handle, FALSE);
    ShowWindow(handle, SW_SHOWNORMAL);
}

LRESULT EWindow::HandleMessage(EMessage& m)
{
    if (messageHandlers) {
        if (const EMessageHandlerList::Entry* entry = messageHandlers->Find(m.message)) {
            m.extra = entry->extra;
            return (entry->target->*entry->function)(m);
        }
    }
    return DefaultProc(m);
}

void EWindow::SetId(int newId)
{
    id = newId;
    if (GetWindowLongA(handle, GWL_STYLE) & WS_CHILD)
        SetWindowLongPtrA(handle, GWLP_ID, newId);
}

bool EWindow::Fire(unsigned eventKey, EValue control, EValue parameter, EMessage* message)
{
    if (!eventHandlers)
        return false;
    const EHandler* handler = eventHandlers->Find(eventKey, control);
    if (!handler)
        return false;
    EEvent event(parameter, message);
    handler->Invoke(event);
    if (message)
        message->result = event.result;
    return true;
}

void EWindow::ForgetHandle(HWND window)
{
    EWindowMap* map = EApplication::windowMap;
    if (!map)
        return;
    while (EWindow* wrapper = map->Find(window)) {
        map->Remove(window, wrapper);
        wrapper->handle = nullptr;
    }
}

namespace {

BOOL CALLBACK ForgetIfUnseen(HWND child, LPARAM)
{
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(child, GWLP_WNDPROC)) != EWindowProc)
        EWindow::ForgetHandle(child);
    return TRUE;
}

}

void EWindow::ForgetUnseenChildren(HWND window)
{
    if (EApplication::windowMap)
        EnumChildWindows(window, ForgetIfUnseen, 0);
}
