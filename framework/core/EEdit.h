#ifndef OMBREL_EEDIT_H
#define OMBREL_EEDIT_H

#include "EControl.h"

// An edit control. Value (190) is its text; the edit style flags apply to
// the live style.
class EEdit : public EControl {
public:
    EEdit(EWindow* parent, HWND control) : EControl(parent, control) {}
    EEdit(EWindow* parent, const char* title, EAttributeList& list);

    void GetAttributes(EAttributeList& list) override;
    void SetAttributes(EAttributeList& list) override;
    const ENotificationRow* NotificationMap(int* rows) override;
};

#endif
