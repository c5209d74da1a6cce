#ifndef OMBREL_EBRUSH_H
#define OMBREL_EBRUSH_H

#include "EGdiObject.h"

// Owns a brush handed over by its creator (CreateSolidBrush and the like)
// and deletes it. Stock brushes must not be handed over.
class EBrush : public EGdiObject {
public:
    explicit EBrush(HBRUSH brush);
    ~EBrush() override;

    HBRUSH Brush() const { return static_cast<HBRUSH>(handle); }
};

#endif
