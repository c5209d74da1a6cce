#ifndef OMBREL_EITEMBOX_H
#define OMBREL_EITEMBOX_H

#include "EControl.h"
#include "EItemList.h"

// What list boxes and combo boxes share: their items, reached through the
// control's own item messages.
class EItemBox : public EControl {
public:
    EItemBox(EWindow* parent, HWND control, const EItemMessages& messages)
        : EControl(parent, control), items(messages)
    {
    }
    EItemBox(EWindow* parent, const char* title, EAttributeList& list, const EItemMessages& messages)
        : EControl(parent, title, list), items(messages)
    {
    }

    // The index of the new item, or a negative number (the control's ERR or
    // ERRSPACE).
    int InsertItem(int index, const char* text);
    // A sorted box keeps its order.
    int AppendItem(const char* text);
    // The number of items left, or the control's ERR for a wrong index.
    int DeleteItem(int index);
    void Clear();
    int ItemCount() const;
    // Copies the item into buffer, cut to size bytes; its length, or -1.
    int ItemText(int index, char* buffer, int size) const;
    // -1 clears the selection.
    void Select(int index);
    // The selected index, or -1.
    int Selection() const;

protected:
    const EItemMessages& items;

private:
    int Send(UINT message, WPARAM wParam, LPARAM lParam) const
    {
        return static_cast<int>(SendMessageA(handle, message, wParam, lParam));
    }
};

#endif
