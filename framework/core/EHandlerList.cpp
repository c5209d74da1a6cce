#include "EHandlerList.h"

EHandlerList::~EHandlerList()
{
    while (head) {
        EHandler* next = head->next;
        delete head;
        head = next;
    }
}

void EHandlerList::Add(EHandler* handler)
{
    handler->next = head;
    head = handler;
}

const EHandler* EHandlerList::Find(unsigned eventKey, EValue control) const
{
    HWND window = reinterpret_cast<HWND>(control);
    EValue id = control && IsWindow(window) ? static_cast<EValue>(GetWindowLongPtrA(window, GWLP_ID)) : 0;
    for (const EHandler* h = head; h; h = h->next)
        if (h->eventKey == eventKey && (h->control == control || (id && h->control == id)))
            return h;
    return nullptr;
}

EMessageHandlerList::~EMessageHandlerList()
{
    while (head) {
        Entry* next = head->next;
        delete head;
        head = next;
    }
}

void EMessageHandlerList::Add(UINT message, EObject* target, EMessageFunction function, EValue extra)
{
    head = new Entry{target, extra, LOWORD(message), function, head};
}

const EMessageHandlerList::Entry* EMessageHandlerList::Find(UINT message) const
{
    for (const Entry* e = head; e; e = e->next)
        if (e->message == LOWORD(message))
            return e;
    return nullptr;
}
