#include "EItemBox.h"

int EItemBox::InsertItem(int index, const char* text)
{
    return Send(items.insert, index, reinterpret_cast<LPARAM>(text));
}

int EItemBox::AppendItem(const char* text)
{
    return Send(items.add, 0, reinterpret_cast<LPARAM>(text));
}

int EItemBox::DeleteItem(int index)
{
    return Send(items.remove, index, 0);
}

void EItemBox::Clear()
{
    Send(items.reset, 0, 0);
}

int EItemBox::ItemCount() const
{
    return Send(items.count, 0, 0);
}

int EItemBox::ItemText(int index, char* buffer, int size) const
{
    return EItemText(handle, items, index, buffer, size);
}

void EItemBox::Select(int index)
{
    Send(items.setSelection, index, 0);
}

int EItemBox::Selection() const
{
    return Send(items.selection, 0, 0);
}
