#ifndef OMBREL_EWINDOWDC_H
#define OMBREL_EWINDOWDC_H

#include "EDC.h"

// The client-area context of a window (GetDC), released at the end.
class EWindowDC : public EDC {
public:
    explicit EWindowDC(HWND window);
    ~EWindowDC() override;

private:
    HWND window;
};

#endif
