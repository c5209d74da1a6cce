#include "ELabel.h"

namespace {

EAttributeList& WithLabelDefaults(EAttributeList& list)
{
    return list.Add(EKey::ClassName, "Static").Add(EKey::Predefined, 1);
}

}

ELabel::ELabel(EWindow* parent, const char* title, EAttributeList& list)
    : EControl(parent, title, WithLabelDefaults(list))
{
    EValue value;
    if (list.Find(EKey::Text, &value))
        SetWindowTextA(handle, reinterpret_cast<const char*>(value));
    if (list.Find(EKey::Width, &value) && list.Find(EKey::Height, &value))
        return;
    FitToText(list.Find(EKey::Text, &value) ? reinterpret_cast<const char*>(value) : title);
}
