#ifndef OMBREL_EHANDLERLIST_H
#define OMBREL_EHANDLERLIST_H

#include <windows.h>

#include "EHandler.h"
#include "EMessage.h"

typedef LRESULT (EObject::*EMessageFunction)(EMessage& message);

// A window's registered event handlers, newest first. Owns its entries.
class EHandlerList {
public:
    EHandlerList() : head(nullptr) {}
    virtual ~EHandlerList();
    EHandlerList(const EHandlerList&) = delete;
    EHandlerList& operator=(const EHandlerList&) = delete;

    void Add(EHandler* handler);
    // The newest entry for the event key whose control is either the given
    // value or the id of the window it names; null when none.
    const EHandler* Find(unsigned eventKey, EValue control) const;

private:
    EHandler* head;
};

// A window's message handlers, newest first. Owns its entries.
class EMessageHandlerList {
public:
    struct Entry {
        EObject* target;
        EValue extra;
        WORD message;
        EMessageFunction function;
        Entry* next;
    };

    EMessageHandlerList() : head(nullptr) {}
    virtual ~EMessageHandlerList();
    EMessageHandlerList(const EMessageHandlerList&) = delete;
    EMessageHandlerList& operator=(const EMessageHandlerList&) = delete;

    void Add(UINT message, EObject* target, EMessageFunction function, EValue extra);
    const Entry* Find(UINT message) const;

private:
    Entry* head;
};

#endif
