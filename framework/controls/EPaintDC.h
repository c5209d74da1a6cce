#ifndef OMBREL_EPAINTDC_H
#define OMBREL_EPAINTDC_H

#include "EDC.h"

// The context of a WM_PAINT (BeginPaint), ended with EndPaint.
class EPaintDC : public EDC {
public:
    explicit EPaintDC(HWND window);
    ~EPaintDC() override;

    const PAINTSTRUCT& Paint() const { return paint; }

private:
    PAINTSTRUCT paint;
    HWND window;
};

#endif
