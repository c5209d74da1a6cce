#include "EPaintDC.h"

EPaintDC::EPaintDC(HWND window) : EDC(), paint{}, window(window)
{
    dc = BeginPaint(window, &paint);
}

EPaintDC::~EPaintDC()
{
    Restore();
    if (dc)
        EndPaint(window, &paint);
}
