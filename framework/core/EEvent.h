#ifndef OMBREL_EEVENT_H
#define OMBREL_EEVENT_H

#include <windows.h>

#include "EAttributeList.h"

class EMessage;

// What an event handler receives.
class EEvent {
public:
    EEvent(EValue parameter, EMessage* message) : extra(0), parameter(parameter), message(message), result(0) {}
    virtual ~EEvent() {}

    EValue extra;       // the handler's extra value
    EValue parameter;   // scroll distance, the dialog of an init callback, ...
    EMessage* message;  // the message that caused the event; may be null
    LRESULT result;     // copied into the message's result
};

#endif
