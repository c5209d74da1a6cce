#include "EPen.h"

namespace {

HPEN MakePen(int style, int width, COLORREF colour)
{
    LOGPEN description;
    description.lopnStyle = static_cast<UINT>(style);
    description.lopnWidth.x = width;
    description.lopnWidth.y = 0;
    description.lopnColor = colour;
    return CreatePenIndirect(&description);
}

}

EPen::EPen(int style, int width, COLORREF colour) : EGdiObject("", MakePen(style, width, colour)), dc(nullptr)
{
}

EPen::~EPen()
{
    if (handle)
        DeleteObject(handle);
}
