#ifndef OMBREL_EOBJECT_H
#define OMBREL_EOBJECT_H

// The root of the framework's objects. Handler targets derive from it, so a
// handler can keep any object's member function as one pointer type.
class EObject {
public:
    EObject() = default;
    virtual ~EObject() {}
    EObject(const EObject&) = delete;
    EObject& operator=(const EObject&) = delete;
};

#endif
