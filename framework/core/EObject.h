#ifndef OMBREL_EOBJECT_H
#define OMBREL_EOBJECT_H

// The root of the framework's owned objects: owning containers destroy their
// elements through this virtual destructor.
class EObject {
public:
    EObject() = default;
    virtual ~EObject() = default;
    EObject(const EObject&) = delete;
    EObject& operator=(const EObject&) = delete;
};

#endif
