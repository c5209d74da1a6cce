#include "EBrush.h"

EBrush::EBrush(HBRUSH brush) : EGdiObject("", brush)
{
}

EBrush::~EBrush()
{
    if (handle)
        DeleteObject(handle);
}
