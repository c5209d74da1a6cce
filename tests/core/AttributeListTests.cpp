#include <doctest/doctest.h>

#include <string>

#include "EAttributeList.h"

TEST_CASE("attribute list: Set replaces, Style and ExStyle merge by OR")
{
    EAttributeList list;
    list.Set(EKey::Style, 0x10000).Set(EKey::Style, 0x40000);
    list.Set(EKey::Width, 10).Set(EKey::Width, 20);
    list.Set(EKey::ExStyle, 0x10).Set(EKey::ExStyle, 0x10000);
    CHECK(list.Count() == 3);
    CHECK(list.Get(EKey::Style) == 0x50000);
    CHECK(list.Get(EKey::Width) == 20);
    CHECK(list.Get(EKey::ExStyle) == 0x10010);
}

TEST_CASE("attribute list: Add appends, so the earlier value wins")
{
    EAttributeList list;
    list.Set(EKey::ClassName, "A").Add(EKey::ClassName, "B");
    CHECK(list.Count() == 2);
    CHECK(std::string(reinterpret_cast<const char*>(list.Get(EKey::ClassName))) == "A");

    list.Set(EKey::Style, 0x10000).Add(EKey::Style, 0x100);
    CHECK(list.Count() == 3);
    CHECK(list.Get(EKey::Style) == 0x10100);

    EAttributeList empty;
    empty.Add(EKey::ExStyle, 0x200);
    CHECK(empty.Count() == 1);
    CHECK(empty.Get(EKey::ExStyle) == 0x200);
}

TEST_CASE("attribute list: capacity, Get, Find and Clear")
{
    EAttributeList list;
    for (unsigned key = 1; key <= 50; key++)
        list.Set(key, key * 3);
    CHECK(list.Count() == 50);
    list.Set(51, 1).Add(52, 1);
    CHECK(list.Count() == 50);
    CHECK(list.Get(51) == 0);
    list.Set(7, 99);  // replacing still works when full
    CHECK(list.Get(7) == 99);

    EValue value = 12345;
    CHECK_FALSE(list.Find(51, &value));
    CHECK(value == 0);
    list.Set(3, 0);
    value = 12345;
    CHECK(list.Find(3, &value));
    CHECK(value == 0);

    CHECK(list.Clear().Count() == 0);
    CHECK(list.Get(7) == 0);
}

TEST_CASE("attribute list: ToPixels converts geometry with the base units")
{
    EAttributeList list;
    list.Set(EKey::X, 10).Set(EKey::Y, 10).Set(EKey::Width, 100).Set(EKey::Height, 20);
    list.ToPixels(8, 16);
    CHECK(list.Get(EKey::X) == 20);
    CHECK(list.Get(EKey::Y) == 20);
    CHECK(list.Get(EKey::Width) == 200);
    CHECK(list.Get(EKey::Height) == 40);

    EAttributeList absent;
    absent.Set(EKey::Width, 7).ToPixels(6, 13);
    CHECK(absent.Count() == 4);
    CHECK(absent.Get(EKey::Width) == 10);  // 7 * 6 / 4 truncated
    EValue x = 1;
    CHECK(absent.Find(EKey::X, &x));
    CHECK(x == 0);
}

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
