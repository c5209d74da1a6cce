#ifndef OMBREL_EITEMLIST_H
#define OMBREL_EITEMLIST_H

#include <windows.h>

#include "EAttributeList.h"

// The item messages of a list box or a combo box, so both fill and read
// their items with one piece of code.
struct EItemMessages {
    UINT reset;
    UINT add;
    UINT insert;
    UINT remove;
    UINT count;
    UINT text;
    UINT textLength;
    UINT setSelection;
    UINT selection;
};
extern const EItemMessages EListBoxItems;
extern const EItemMessages EComboBoxItems;

// ItemCount with Items (an array of texts), then ItemList (texts joined by
// commas; every piece becomes an item, empty ones too).
void EApplyItems(HWND control, const EItemMessages& messages, const EAttributeList& list);
// Each ItemList entry receives a new text that joins all items with ","; the
// caller frees it with delete[].
void EQueryItems(HWND control, const EItemMessages& messages, EAttributeList& list);

// Copies item index into buffer, terminated, at most size bytes; an item
// that does not fit is cut. The item's length, or -1 when there is none.
int EItemText(HWND control, const EItemMessages& messages, int index, char* buffer, int size);

#endif
