#ifndef OMBREL_EMEMORYDC_H
#define OMBREL_EMEMORYDC_H

#include "EDC.h"

// A memory context compatible with the given one (null: with the screen),
// deleted at the end.
class EMemoryDC : public EDC {
public:
    explicit EMemoryDC(HDC compatible = nullptr);
    ~EMemoryDC() override;
};

#endif
