#include <doctest/doctest.h>

#include <string>

#include "EAttributeList.h"

// Set, Add, the capacity, Find, Clear, ToPixels and the view flags are
// checked against a model in the random-input tests.
TEST_CASE("attribute list: flag tables turn present non-zero keys into style bits")
{
    EAttributeList list;
    list.Set(EKey::HScroll, 0).Set(EKey::VScroll, 1).SetFlags(EViewFlags, EViewFlagCount);
    CHECK(list.Get(EKey::Style) == 0x200000);

    EAttributeList control;
    control.Set(EKey::Style, 0x1).Set(EKey::TabStop, 1).Set(EKey::Disabled, 1).Set(EKey::Group, 0);
    control.AddFlags(EControlFlags, EControlFlagCount);
    CHECK(control.Get(EKey::Style) == (0x1 | 0x10000 | 0x8000000));

    EAttributeList edit;
    edit.Set(EKey::Multiline, 1).Set(EKey::ReadOnly, 1).Set(EKey::Password, 1).AddFlags(EEditFlags, EEditFlagCount);
    CHECK(edit.Get(EKey::Style) == (0x4 | 0x800 | 0x20));

    EAttributeList combo;
    combo.Set(EKey::Sort, 1).Set(EKey::OemConvert, 1).AddFlags(EComboFlags, EComboFlagCount);
    CHECK(combo.Get(EKey::Style) == (0x100 | 0x80));

    EAttributeList listBox;
    listBox.Set(EKey::Sort, 1).Set(EKey::MultipleSel, 1).SetFlags(EListFlags, EListFlagCount);
    CHECK(listBox.Get(EKey::Style) == (0x2 | 0x8));
}
