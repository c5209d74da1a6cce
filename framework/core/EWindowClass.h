#ifndef OMBREL_EWINDOWCLASS_H
#define OMBREL_EWINDOWCLASS_H

#include <windows.h>

class EAttributeList;

// Registers the window class named by the list's ClassName, with the
// framework's defaults for every field the list does not give. Returns
// non-zero when the class exists afterwards; a class already registered is
// left as it is.
ATOM ERegisterWindowClass(const EAttributeList& list);

// Adds the interface font's attributes: the Japanese face and character set
// with the Japanese flag, "Arial" otherwise.
void EAddUIFontAttributes(EAttributeList& list);

#endif
