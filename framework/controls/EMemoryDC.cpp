#include "EMemoryDC.h"

EMemoryDC::EMemoryDC(HDC compatible) : EDC(CreateCompatibleDC(compatible))
{
}

EMemoryDC::~EMemoryDC()
{
    Restore();
    if (dc)
        DeleteDC(dc);
}
