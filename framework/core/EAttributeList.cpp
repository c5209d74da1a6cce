#include "EAttributeList.h"

namespace {

bool IsMerged(unsigned key)
{
    return key == EKey::Style || key == EKey::ExStyle;
}

}

EAttributeList::EAttributeList()
    : capacity(Capacity), count(0), entries(new Entry[Capacity])
{
}

EAttributeList::~EAttributeList()
{
    delete[] entries;
}

EAttributeList& EAttributeList::Clear()
{
    count = 0;
    return *this;
}

int EAttributeList::IndexOf(unsigned key) const
{
    for (int i = 0; i < count; i++)
        if (entries[i].key == key)
            return i;
    return -1;
}

void EAttributeList::Append(unsigned key, EValue value)
{
    if (count >= capacity)
        return;
    entries[count].key = key;
    entries[count].value = value;
    count++;
}

EAttributeList& EAttributeList::Set(unsigned key, EValue value)
{
    int i = IndexOf(key);
    if (i < 0)
        Append(key, value);
    else if (IsMerged(key))
        entries[i].value |= value;
    else
        entries[i].value = value;
    return *this;
}

EAttributeList& EAttributeList::Add(unsigned key, EValue value)
{
    int i = IsMerged(key) ? IndexOf(key) : -1;
    if (i < 0)
        Append(key, value);
    else
        entries[i].value |= value;
    return *this;
}

EValue EAttributeList::Get(unsigned key) const
{
    int i = IndexOf(key);
    return i < 0 ? 0 : entries[i].value;
}

bool EAttributeList::Find(unsigned key, EValue* value) const
{
    *value = 0;
    int i = IndexOf(key);
    if (i < 0)
        return false;
    *value = entries[i].value;
    return true;
}

EAttributeList& EAttributeList::SetFlags(const EFlagRow* table, int rows)
{
    for (int r = 0; r < rows; r++)
        if (Get(table[r].key) != 0)
            Set(EKey::Style, table[r].bits);
    return *this;
}

EAttributeList& EAttributeList::AddFlags(const EFlagRow* table, int rows)
{
    for (int r = 0; r < rows; r++)
        if (Get(table[r].key) != 0)
            Add(EKey::Style, table[r].bits);
    return *this;
}

EAttributeList& EAttributeList::ToPixels(unsigned horizontalUnit, unsigned verticalUnit)
{
    // Unsigned 32-bit products, truncated, as the dialog manager computes them.
    std::uint32_t h = horizontalUnit, v = verticalUnit;
    Set(EKey::X, static_cast<std::uint32_t>(Get(EKey::X)) * h / 4);
    Set(EKey::Y, static_cast<std::uint32_t>(Get(EKey::Y)) * v / 8);
    Set(EKey::Width, static_cast<std::uint32_t>(Get(EKey::Width)) * h / 4);
    Set(EKey::Height, static_cast<std::uint32_t>(Get(EKey::Height)) * v / 8);
    return *this;
}

const EFlagRow EViewFlags[] = {
    {EKey::HScroll, 0x100000},
    {EKey::VScroll, 0x200000},
};
const int EViewFlagCount = sizeof EViewFlags / sizeof EViewFlags[0];

const EFlagRow EControlFlags[] = {
    {EKey::Group, 0x20000},
    {EKey::Disabled, 0x8000000},
    {EKey::TabStop, 0x10000},
    {EKey::Border, 0x800000},
};
const int EControlFlagCount = sizeof EControlFlags / sizeof EControlFlags[0];

const EFlagRow EEditFlags[] = {
    {EKey::Lowercase, 0x10},
    {EKey::Multiline, 0x4},
    {EKey::NoHideSel, 0x100},
    {EKey::OemConvert, 0x400},
    {EKey::Password, 0x20},
    {EKey::ReadOnly, 0x800},
    {EKey::Uppercase, 0x8},
};
const int EEditFlagCount = sizeof EEditFlags / sizeof EEditFlags[0];

const EFlagRow EComboFlags[] = {
    {EKey::Sort, 0x100},
    {EKey::DisableNoScroll, 0x800},
    {EKey::OemConvert, 0x80},
};
const int EComboFlagCount = sizeof EComboFlags / sizeof EComboFlags[0];

const EFlagRow EListFlags[] = {
    {EKey::DisableNoScroll, 0x1000},
    {EKey::ExtendedSel, 0x800},
    {EKey::MultiColumn, 0x200},
    {EKey::MultipleSel, 0x8},
    {EKey::Sort, 0x2},
    {EKey::UseTabStops, 0x80},
    {EKey::WantKeyboardInput, 0x400},
};
const int EListFlagCount = sizeof EListFlags / sizeof EListFlags[0];
