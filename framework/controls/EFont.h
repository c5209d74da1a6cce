#ifndef OMBREL_EFONT_H
#define OMBREL_EFONT_H

#include "EGdiObject.h"

class EAttributeList;
class EDC;

// Owns a font made from the font keys of an attribute list (Height, Width,
// Escapement, Orientation, Weight, Italic, Underline, StrikeOut, CharSet,
// OutPrecision, ClipPrecision, Quality, PitchAndFamily, FaceName) and
// deletes it. Other keys are ignored; a later pair overrides an earlier one.
class EFont : public EGdiObject {
public:
    explicit EFont(const EAttributeList& attributes);
    ~EFont() override;

    HFONT Font() const { return static_cast<HFONT>(handle); }
    const LOGFONTA& Description() const { return description; }
    EDC* SelectedInto() const { return dc; }
    void SetSelectedInto(EDC* context) { dc = context; }

private:
    EDC* dc;
    LOGFONTA description;
};

// The LOGFONTA that EFont builds from the list: all zero, then each font key
// in list order; the face is cut to 31 characters.
LOGFONTA EBuildLogFont(const EAttributeList& attributes);

// The interface font of the current language at the given height (negative:
// character height in pixels). Caller deletes.
EFont* MakeFont(int height);

// The same, bold (weight 700). Caller deletes.
EFont* MakeBoldUIFont(int height);

#endif
