#ifndef OMBREL_EOBJECT_H
#define OMBREL_EOBJECT_H

// The root of the framework's objects: owning containers destroy their
// elements through this virtual destructor, and handler targets derive from
// it, so a handler keeps any object's member function as one pointer type.
class EObject {
public:
    EObject() = default;
    virtual ~EObject() = default;
    EObject(const EObject&) = delete;
    EObject& operator=(const EObject&) = delete;
};

#endif
