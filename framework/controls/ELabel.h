#ifndef OMBREL_ELABEL_H
#define OMBREL_ELABEL_H

#include "EControl.h"

// A static text. Without both Width and Height it is sized to its text (Text
// when given, else the window text).
class ELabel : public EControl {
public:
    ELabel(EWindow* parent, const char* title, EAttributeList& list);
};

#endif
