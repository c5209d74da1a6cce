#ifndef OMBREL_EWINDOW_H
#define OMBREL_EWINDOW_H

#include <windows.h>

#include "EAttributeList.h"
#include "EHandlerList.h"
#include "EMessage.h"
#include "ENotificationMap.h"
#include "EObject.h"

// The wrapper of one window. The framework window procedure finds it through
// the window map and hands it every message: message handlers first (newest
// first), then DefaultProc. Child notifications become events, fired to the
// registered event handlers.
class EWindow : public EObject {
public:
    // Creates the window from the list. On failure a "Fatal:CreateWindow" box
    // names the class and the wrapper stays with a null handle.
    EWindow(EWindow* parent, const char* title, EAttributeList& list);
    // No window yet; dialogs and control wrappers set the handle later.
    explicit EWindow(EWindow* parent);
    // Destroys the window when it owns it; leaves the window map either way.
    ~EWindow() override;

    HWND Handle() const { return handle; }
    EWindow* Parent() const { return parent; }

    virtual void ClientRect(RECT* rect);
    // Bound to WM_DESTROY of parentless windows: ends the message loop.
    virtual LRESULT OnDestroy(EMessage& message);
    virtual void OnQuit() {}
    virtual LRESULT DefaultProc(EMessage& message);
    // Each entry's value points at an EValue that receives the result.
    virtual void GetAttributes(EAttributeList& list);
    virtual void SetAttributes(EAttributeList& list);
    virtual const ENotificationRow* NotificationMap(int* rows);
    virtual void AddEventHandler(unsigned eventKey, EValue control, EObject* target, EEventFunction function,
                                 EValue extra);
    // Registers with the parent a handler for this window's events.
    virtual void Connect(unsigned eventKey, EObject* target, EEventFunction function, EValue extra);
    virtual void Enable();
    virtual void Disable();
    virtual LRESULT HandleMessage(EMessage& message);
    virtual void SetId(int id);

    // Member functions of any class derived from EObject; U may be a base
    // of the target's class.
    template <class T, class U>
    void AddEventHandler(unsigned eventKey, EValue control, T* target, LRESULT (U::*function)(EEvent&),
                         EValue extra = 0)
    {
        AddEventHandler(eventKey, control, static_cast<EObject*>(static_cast<U*>(target)),
                        static_cast<EEventFunction>(function), extra);
    }
    template <class T, class U>
    void Connect(unsigned eventKey, T* target, LRESULT (U::*function)(EEvent&), EValue extra = 0)
    {
        Connect(eventKey, static_cast<EObject*>(static_cast<U*>(target)), static_cast<EEventFunction>(function),
                extra);
    }
    void AddMessageHandler(UINT message, EObject* target, EMessageFunction function, EValue extra = 0);
    template <class T, class U>
    void AddMessageHandler(UINT message, T* target, LRESULT (U::*function)(EMessage&), EValue extra = 0)
    {
        AddMessageHandler(message, static_cast<EObject*>(static_cast<U*>(target)),
                          static_cast<EMessageFunction>(function), extra);
    }

    // Calls the newest handler for the event key and control (a window
    // handle, or an id: handlers registered by id answer both). Its result
    // goes into the message. False when no handler matched.
    bool Fire(unsigned eventKey, EValue control, EValue parameter, EMessage* message);
    // The event key of one of this window's notification codes.
    unsigned EventKeyFor(int code);

    EValue QueryAttribute(unsigned key);
    // A heap copy of a window's text; the caller frees it with delete[].
    static char* CopyText(HWND window);
    // The window rectangle; in the parent's client coordinates for a child.
    void Position(int* x, int* y, int* width, int* height);
    void FitToText(const char* text);

    // The window is gone: every wrapper of the handle forgets it and leaves
    // the map, so neither a wrapper nor the map keeps a dead handle.
    static void ForgetHandle(HWND window);
    // Forgets the descendants that the framework procedure never sees (not
    // subclassed controls): they would otherwise keep their dead handles.
    static void ForgetUnseenChildren(HWND window);

protected:
    // Sets bits of a flag table in the live style, or reads them back.
    void ApplyFlags(const EFlagRow* table, int rows, const EAttributeList& list);
    void QueryFlags(const EFlagRow* table, int rows, EAttributeList& list);
    // Enters this wrapper into the window map as the newest for the handle.
    void Register(HWND window);

    HWND handle;
    EWindow* parent;
    EHandlerList* eventHandlers;
    EMessageHandlerList* messageHandlers;
    bool ownsWindow;
    int id;

private:
    void Create(const char* title, EAttributeList& list);
};

// A 32-bit attribute value as the signed number it stands for.
inline int EIntValue(EValue value)
{
    return static_cast<int>(static_cast<unsigned>(value));
}

#endif
