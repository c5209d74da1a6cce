#include "EBitmap.h"

EBitmap::EBitmap(HBITMAP bitmap) : EGdiObject("", bitmap)
{
}

EBitmap::~EBitmap()
{
    if (handle)
        DeleteObject(handle);
}
