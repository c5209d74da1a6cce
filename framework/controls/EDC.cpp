#include "EDC.h"

#include "EFont.h"
#include "EPen.h"

int EDC::KindOf(HGDIOBJ object)
{
    switch (GetObjectType(object)) {
    case OBJ_PEN:
    case OBJ_EXTPEN: return Pen;
    case OBJ_FONT: return Font;
    case OBJ_BRUSH: return Brush;
    case OBJ_BITMAP: return Bitmap;
    default: return -1;
    }
}

EDC::EDC() : EDC(nullptr)
{
}

EDC::EDC(HDC context) : dc(context), pen(nullptr), original{}
{
}

EDC::~EDC()
{
    Restore();
}

void EDC::Restore()
{
    for (HGDIOBJ& object : original) {
        if (object && dc)
            SelectObject(dc, object);
        object = nullptr;
    }
    delete pen;
    pen = nullptr;
}

HGDIOBJ EDC::Select(HGDIOBJ object)
{
    if (!dc || !object)
        return nullptr;
    HGDIOBJ previous = SelectObject(dc, object);
    int kind = KindOf(object);
    if (previous && previous != HGDI_ERROR && kind >= 0 && !original[kind])
        original[kind] = previous;
    return previous;
}

HGDIOBJ EDC::Select(EPen& chosen)
{
    chosen.SetSelectedInto(this);
    return Select(chosen.Handle());
}

HGDIOBJ EDC::Select(EFont& font)
{
    font.SetSelectedInto(this);
    return Select(font.Handle());
}

void EDC::SetPen(int style, int width, COLORREF colour)
{
    EPen* made = new EPen(style, width, colour);
    Select(*made);
    // The old pen is no longer selected, so it can go.
    delete pen;
    pen = made;
}
