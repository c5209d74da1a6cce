#ifndef OMBREL_EACCELERATOR_H
#define OMBREL_EACCELERATOR_H

#include "EGdiObject.h"

// An accelerator table from the program's resources; null when there is no
// such resource, and then it translates nothing. A table loaded from the
// resources needs no destroying.
class EAccelerator : public EGdiObject {
public:
    // name: a resource name or MAKEINTRESOURCEA(id).
    explicit EAccelerator(const char* name);

    HACCEL Table() const { return static_cast<HACCEL>(handle); }

    // Turns a matching keystroke into a command sent to window; true when
    // the message was consumed.
    bool Translate(HWND window, MSG* message) const;
};

#endif
