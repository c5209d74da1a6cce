#ifndef OMBREL_EGDIOBJECT_H
#define OMBREL_EGDIOBJECT_H

#include <windows.h>

// The root of the objects that hold one system drawing handle. This level
// only keeps the name; whether the handle is released is the subclass's
// business (an accelerator table from the resources needs no release).
class EGdiObject {
public:
    // Copies the name when given; takes the handle as it is.
    EGdiObject(const char* name, HANDLE handle);
    virtual ~EGdiObject();
    EGdiObject(const EGdiObject&) = delete;
    EGdiObject& operator=(const EGdiObject&) = delete;

    HANDLE Handle() const { return handle; }
    const char* Name() const { return name; }

protected:
    char* name;
    HANDLE handle;
};

// A heap copy of exactly the text's length plus the terminator (caller
// frees with delete[]); null for a null text.
char* ECopyText(const char* text);

#endif
