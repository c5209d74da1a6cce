#ifndef OMBREL_EDC_H
#define OMBREL_EDC_H

#include <windows.h>

class EFont;
class EPen;

// A device context that puts back, at its end, what was selected through it:
// the pen, font, brush and bitmap it found before the first selection of
// each kind. The plain EDC borrows its context (a DRAWITEMSTRUCT's, say);
// the subclasses own theirs and restore before they release it. Objects
// selected through it must outlive it, except the pens of SetPen, which it
// owns.
class EDC {
public:
    EDC();
    explicit EDC(HDC context);
    virtual ~EDC();
    EDC(const EDC&) = delete;
    EDC& operator=(const EDC&) = delete;

    HDC Handle() const { return dc; }

    // Makes a pen, selects it and deletes the pen set before it.
    void SetPen(int style, int width, COLORREF colour);

    // Select the object and return the previously selected handle.
    HGDIOBJ Select(EPen& pen);
    HGDIOBJ Select(EFont& font);
    HGDIOBJ Select(HGDIOBJ object);

protected:
    // Puts the first-replaced objects back and deletes the owned pen.
    void Restore();

    HDC dc;

private:
    enum { Pen, Font, Brush, Bitmap, Kinds };
    // The slot of original[] for the object's kind; -1 for other kinds.
    static int KindOf(HGDIOBJ object);

    EPen* pen;
    HGDIOBJ original[Kinds];
};

#endif
