#ifndef OMBREL_EHANDLER_H
#define OMBREL_EHANDLER_H

#include <windows.h>

#include "EAttributeList.h"
#include "EEvent.h"
#include "EObject.h"

typedef LRESULT (EObject::*EEventFunction)(EEvent& event);

// A (target, member function, extra) triple: a registered event handler
// when it carries an event key and a control, else a plain callback.
class EHandler {
public:
    template <class T, class U>
    EHandler(T* target, LRESULT (U::*function)(EEvent&), EValue extra = 0)
        : EHandler(static_cast<EObject*>(static_cast<U*>(target)), static_cast<EEventFunction>(function), extra, 0,
                   0)
    {
    }
    EHandler(EObject* target, EEventFunction function, EValue extra, unsigned eventKey, EValue control)
        : target(target), function(function), extra(extra), eventKey(eventKey), control(control), next(nullptr)
    {
    }
    virtual ~EHandler() {}
    EHandler(const EHandler&) = delete;
    EHandler& operator=(const EHandler&) = delete;

    // Hands the event this entry's extra value and calls the function.
    LRESULT Invoke(EEvent& event) const
    {
        event.extra = extra;
        return (target->*function)(event);
    }

    EObject* target;
    EEventFunction function;
    EValue extra;
    unsigned eventKey;  // 0 for a plain callback
    EValue control;     // control id or window handle; 0 for a plain callback
    EHandler* next;
};

#endif
