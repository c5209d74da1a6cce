#ifndef OMBREL_EMESSAGE_H
#define OMBREL_EMESSAGE_H

#include <windows.h>

#include "EAttributeList.h"

// One message in flight, built on the stack by a window or dialog procedure.
class EMessage {
public:
    EMessage(UINT message, WPARAM wParam, LPARAM lParam)
        : message(message), wParam(wParam), lParam(lParam), extra(0), result(0)
    {
    }
    virtual ~EMessage() {}

    // The sender of a notification: WM_NOTIFY carries it in its header,
    // WM_COMMAND in lParam (null for menus and accelerators).
    HWND ControlHandle() const;
    UINT ControlId() const;
    int NotificationCode() const;
    bool FromMenu() const { return lParam == 0; }

    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    EValue extra;
    LRESULT result;
};

#endif
