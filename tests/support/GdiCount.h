#ifndef OMBREL_GDICOUNT_H
#define OMBREL_GDICOUNT_H

// The number of GDI objects this process holds, taken at construction.
// GetGuiResources when the system answers it (Wine's always says 0);
// otherwise the live entries of the process's GDI handle table.
struct GdiCount {
    GdiCount();
    long objects;
    const char* method;
};

#endif
