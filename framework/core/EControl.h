#ifndef OMBREL_ECONTROL_H
#define OMBREL_ECONTROL_H

#include "EWindow.h"

// The frame of the control wrappers: a wrapper creates its control from a
// list, or attaches to one that exists (a dialog's controls) and then never
// destroys it. Subclassing routes the control's messages to the wrapper.
class EControl : public EWindow {
public:
    EControl(EWindow* parent, HWND control);
    EControl(EWindow* parent, const char* title, EAttributeList& list);
    // Puts the control's own procedure back while the control lives.
    ~EControl() override;

    LRESULT DefaultProc(EMessage& message) override;

    void Subclass();
    void Unsubclass();
    bool Subclassed() const { return subclassMarker != nullptr; }

    // The event key of a notification from a control that has no wrapper,
    // found by its window class name; Action when the class is unknown.
    static unsigned EventKeyByClassName(HWND control, int code);

protected:
    // Default processing for controls whose parent follows the mouse for
    // them: keys and focus are swallowed, mouse moves and clicks go to the
    // parent in the parent's client coordinates.
    LRESULT ForwardingDefaultProc(EMessage& message);

private:
    WNDPROC subclassMarker;
    WNDPROC previousProc;
};

#endif
