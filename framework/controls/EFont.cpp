#include "EFont.h"

#include <cstdint>
#include <cstring>

#include "EAttributeList.h"
#include "EWindowClass.h"

namespace {

LONG AsLong(EValue value)
{
    return static_cast<LONG>(static_cast<std::uint32_t>(value));
}

BYTE AsByte(EValue value)
{
    return static_cast<BYTE>(value & 0xFF);
}

void CopyFace(char* face, EValue value)
{
    const char* text = reinterpret_cast<const char*>(value);
    std::size_t length = text ? std::strlen(text) : 0;
    if (length > LF_FACESIZE - 1)
        length = LF_FACESIZE - 1;
    std::memcpy(face, text ? text : "", length);
    face[length] = '\0';
}

void Store(LOGFONTA& font, unsigned key, EValue value)
{
    switch (key) {
    case EKey::Height: font.lfHeight = AsLong(value); break;
    case EKey::Width: font.lfWidth = AsLong(value); break;
    case EKey::Escapement: font.lfEscapement = AsLong(value); break;
    case EKey::Orientation: font.lfOrientation = AsLong(value); break;
    case EKey::Weight: font.lfWeight = AsLong(value); break;
    case EKey::Italic: font.lfItalic = AsByte(value); break;
    case EKey::Underline: font.lfUnderline = AsByte(value); break;
    case EKey::StrikeOut: font.lfStrikeOut = AsByte(value); break;
    case EKey::CharSet: font.lfCharSet = AsByte(value); break;
    case EKey::OutPrecision: font.lfOutPrecision = AsByte(value); break;
    case EKey::ClipPrecision: font.lfClipPrecision = AsByte(value); break;
    case EKey::Quality: font.lfQuality = AsByte(value); break;
    case EKey::PitchAndFamily: font.lfPitchAndFamily = AsByte(value); break;
    case EKey::FaceName: CopyFace(font.lfFaceName, value); break;
    default: break;
    }
}

EFont* MakeUIFont(int height, int weight)
{
    EAttributeList attributes;
    attributes.Set(EKey::Height, static_cast<EValue>(static_cast<std::intptr_t>(height)));
    if (weight)
        attributes.Set(EKey::Weight, static_cast<EValue>(weight));
    EAddUIFontAttributes(attributes);
    return new EFont(attributes);
}

}

LOGFONTA EBuildLogFont(const EAttributeList& attributes)
{
    LOGFONTA font;
    std::memset(&font, 0, sizeof font);
    for (int i = 0; i < attributes.Count(); i++)
        Store(font, attributes.KeyAt(i), attributes.ValueAt(i));
    return font;
}

EFont::EFont(const EAttributeList& attributes)
    : EGdiObject("", nullptr), dc(nullptr), description(EBuildLogFont(attributes))
{
    handle = CreateFontIndirectA(&description);
}

EFont::~EFont()
{
    if (handle)
        DeleteObject(handle);
}

EFont* MakeFont(int height)
{
    return MakeUIFont(height, 0);
}

EFont* MakeBoldUIFont(int height)
{
    return MakeUIFont(height, FW_BOLD);
}
