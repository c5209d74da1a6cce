#ifndef OMBREL_EBITMAP_H
#define OMBREL_EBITMAP_H

#include "EGdiObject.h"

// Owns a bitmap handed over by its creator and deletes it. Must not be
// destroyed while selected into a context.
class EBitmap : public EGdiObject {
public:
    explicit EBitmap(HBITMAP bitmap);
    ~EBitmap() override;

    HBITMAP Bitmap() const { return static_cast<HBITMAP>(handle); }
};

#endif
