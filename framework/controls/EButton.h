#ifndef OMBREL_EBUTTON_H
#define OMBREL_EBUTTON_H

#include "EControl.h"

// A system button. Without both Width and Height it gets the size 64 x 22 at
// its given place. Once subclassed, its parent follows the mouse for it.
class EButton : public EControl {
public:
    EButton(EWindow* parent, HWND control) : EControl(parent, control) {}
    EButton(EWindow* parent, const char* title, EAttributeList& list);

    LRESULT DefaultProc(EMessage& message) override { return ForwardingDefaultProc(message); }
    const ENotificationRow* NotificationMap(int* rows) override;
};

#endif
