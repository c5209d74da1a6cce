#include "EAccelerator.h"

#include "EApplication.h"

EAccelerator::EAccelerator(const char* name) : EGdiObject("", LoadAcceleratorsA(EApplication::instance, name))
{
}

bool EAccelerator::Translate(HWND window, MSG* message) const
{
    if (!handle || !window)
        return false;
    return TranslateAcceleratorA(window, Table(), message) != 0;
}
