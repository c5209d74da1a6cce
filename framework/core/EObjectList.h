#ifndef OMBREL_EOBJECTLIST_H
#define OMBREL_EOBJECTLIST_H

#include "EObject.h"

// A singly linked list that owns its objects: removing or clearing destroys
// them. Iterate with First and Next; the cursor is shared, so nested walks
// over one list are not possible.
class EObjectList : public EObject {
public:
    EObjectList() = default;
    ~EObjectList() override;

    // Takes ownership. 1, or 0 when no node could be allocated (the caller
    // still owns the object then).
    int Append(EObject* object);
    // Destroys the first node holding this very object. 1 when found.
    int Remove(EObject* object);
    // Destroys every object and frees the name.
    void Clear();
    EObject* First();
    EObject* Next();

    int Count() const { return count; }
    // Null when none.
    const char* Name() const { return name; }
    // Copies the text; null or an unobtainable copy leaves no name. 1 on success.
    int SetName(const char* text);

private:
    struct Node {
        EObject* object;
        Node* next;
    };

    char* name = nullptr;
    int count = 0;
    Node* head = nullptr;
    Node* tail = nullptr;
    Node* cursor = nullptr;
};

#endif
