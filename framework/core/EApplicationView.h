#ifndef OMBREL_EAPPLICATIONVIEW_H
#define OMBREL_EAPPLICATIONVIEW_H

#include <windows.h>

// The top-level frame of the application. The message loop offers every
// queued message to the main frame's PreTranslate (accelerators) first.
class EApplicationView {
public:
    virtual ~EApplicationView() {}
    // True when the message was consumed.
    virtual bool PreTranslate(MSG* message)
    {
        (void)message;
        return false;
    }
};

#endif
