#ifndef OMBREL_EPEN_H
#define OMBREL_EPEN_H

#include "EGdiObject.h"

class EDC;

// Owns a pen made from a LOGPEN and deletes it. Must not be destroyed while
// it is still selected into a context: EDC::SetPen takes care of that for
// the pens it makes.
class EPen : public EGdiObject {
public:
    EPen(int style, int width, COLORREF colour);
    ~EPen() override;

    HPEN Pen() const { return static_cast<HPEN>(handle); }
    EDC* SelectedInto() const { return dc; }
    void SetSelectedInto(EDC* context) { dc = context; }

private:
    EDC* dc;
};

#endif
