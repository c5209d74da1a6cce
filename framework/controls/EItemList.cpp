#include "EItemList.h"

#include <cstring>
#include <string>

#include "EWindow.h"

const EItemMessages EListBoxItems = {LB_RESETCONTENT, LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING, LB_GETCOUNT,
                                     LB_GETTEXT,      LB_GETTEXTLEN, LB_SETCURSEL,   LB_GETCURSEL};
const EItemMessages EComboBoxItems = {CB_RESETCONTENT, CB_ADDSTRING,    CB_INSERTSTRING, CB_DELETESTRING, CB_GETCOUNT,
                                      CB_GETLBTEXT,    CB_GETLBTEXTLEN, CB_SETCURSEL,    CB_GETCURSEL};

namespace {

void Add(HWND control, const EItemMessages& messages, const char* text)
{
    SendMessageA(control, messages.add, 0, reinterpret_cast<LPARAM>(text));
}

// The whole item, however long: the length is asked first.
std::string WholeItem(HWND control, const EItemMessages& messages, int index)
{
    LRESULT length = SendMessageA(control, messages.textLength, index, 0);
    if (length < 0)
        return std::string();
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    LRESULT got = SendMessageA(control, messages.text, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(got < 0 ? 0 : std::strlen(text.c_str()));
    return text;
}

}

void EApplyItems(HWND control, const EItemMessages& messages, const EAttributeList& list)
{
    EValue count, items;
    if (list.Find(EKey::ItemCount, &count) && EIntValue(count) > 0 && list.Find(EKey::Items, &items) && items) {
        SendMessageA(control, messages.reset, 0, 0);
        const char* const* texts = reinterpret_cast<const char* const*>(items);
        for (int i = 0; i < EIntValue(count); i++)
            Add(control, messages, texts[i] ? texts[i] : "");
    }
    EValue joined;
    if (!list.Find(EKey::ItemList, &joined) || !joined)
        return;
    SendMessageA(control, messages.reset, 0, 0);
    const char* piece = reinterpret_cast<const char*>(joined);
    for (;;) {
        const char* comma = std::strchr(piece, ',');
        Add(control, messages, std::string(piece, comma ? comma - piece : std::strlen(piece)).c_str());
        if (!comma)
            break;
        piece = comma + 1;
    }
}

void EQueryItems(HWND control, const EItemMessages& messages, EAttributeList& list)
{
    for (int i = 0; i < list.Count(); i++) {
        if (list.KeyAt(i) != EKey::ItemList)
            continue;
        std::string joined;
        LRESULT count = SendMessageA(control, messages.count, 0, 0);
        for (int item = 0; item < count; item++) {
            if (item > 0)
                joined += ',';
            joined += WholeItem(control, messages, item);
        }
        char* copy = new char[joined.size() + 1];
        std::memcpy(copy, joined.c_str(), joined.size() + 1);
        *reinterpret_cast<EValue*>(list.ValueAt(i)) = reinterpret_cast<EValue>(copy);
    }
}

int EItemText(HWND control, const EItemMessages& messages, int index, char* buffer, int size)
{
    if (size < 1)
        return -1;
    buffer[0] = '\0';
    if (SendMessageA(control, messages.textLength, index, 0) < 0)
        return -1;
    std::string text = WholeItem(control, messages, index);
    lstrcpynA(buffer, text.c_str(), size);
    return static_cast<int>(text.size());
}
