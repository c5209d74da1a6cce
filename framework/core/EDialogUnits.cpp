#include <windows.h>

#include "EAttributeList.h"

EAttributeList& EAttributeList::ToPixels()
{
    LONG units = GetDialogBaseUnits();
    return ToPixels(LOWORD(units), HIWORD(units));
}
