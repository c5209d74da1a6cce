#ifndef OMBREL_EPUSHBUTTON_H
#define OMBREL_EPUSHBUTTON_H

#include "EButton.h"

// A push button in the keyboard order; a click is the Action event.
class EPushButton : public EButton {
public:
    EPushButton(EWindow* parent, const char* title, EAttributeList& list)
        : EButton(parent, title, list.Add(EKey::Style, WS_TABSTOP))
    {
    }
};

#endif
