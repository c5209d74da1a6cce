#include "EWindowDC.h"

EWindowDC::EWindowDC(HWND window) : EDC(GetDC(window)), window(window)
{
}

EWindowDC::~EWindowDC()
{
    Restore();
    if (dc)
        ReleaseDC(window, dc);
}
