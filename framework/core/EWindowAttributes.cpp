#include <cstring>

#include "EWindow.h"

namespace {

const unsigned UseDefault = 0x80000000u;

EValue* Result(const EAttributeList& list, int i)
{
    return reinterpret_cast<EValue*>(list.ValueAt(i));
}

}

char* EWindow::CopyText(HWND window)
{
    int length = GetWindowTextLengthA(window);
    char* text = new char[length + 1];
    text[0] = '\0';
    GetWindowTextA(window, text, length + 1);
    return text;
}

void EWindow::Position(int* x, int* y, int* width, int* height)
{
    RECT r = {0, 0, 0, 0};
    GetWindowRect(handle, &r);
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    // Only a child window is placed in its parent's client coordinates; an
    // owned popup is placed on the screen.
    if (GetWindowLongA(handle, GWL_STYLE) & WS_CHILD)
        MapWindowPoints(nullptr, GetParent(handle), reinterpret_cast<POINT*>(&r), 1);
    *x = r.left;
    *y = r.top;
}

void EWindow::SetAttributes(EAttributeList& list)
{
    int geometry[4];
    Position(&geometry[0], &geometry[1], &geometry[2], &geometry[3]);
    const unsigned keys[4] = {EKey::X, EKey::Y, EKey::Width, EKey::Height};
    bool given = false;
    EValue value;
    for (int i = 0; i < 4; i++) {
        if (list.Find(keys[i], &value)) {
            given = true;
            // A default place is the one the system chose at creation;
            // moving to the marker value itself would put the window far
            // off screen.
            if (i < 2 && static_cast<unsigned>(value) == UseDefault)
                continue;
            geometry[i] = EIntValue(value);
        }
    }
    bool defaultSize = static_cast<unsigned>(geometry[3]) == UseDefault &&
                       (!given || static_cast<unsigned>(geometry[2]) == UseDefault);
    if (!list.Find(EKey::NoMove, &value) && !defaultSize)
        MoveWindow(handle, geometry[0], geometry[1], geometry[2], geometry[3], TRUE);
    if (list.Find(EKey::Group, &value)) {
        LONG style = GetWindowLongA(handle, GWL_STYLE);
        SetWindowLongA(handle, GWL_STYLE, value ? style | WS_GROUP : style & ~WS_GROUP);
    }
    if (list.Find(EKey::Text, &value))
        SetWindowTextA(handle, reinterpret_cast<const char*>(value));
    if (list.Find(EKey::Id, &value))
        SetId(EIntValue(value));
}

void EWindow::GetAttributes(EAttributeList& list)
{
    int geometry[4];
    Position(&geometry[0], &geometry[1], &geometry[2], &geometry[3]);
    LONG style = GetWindowLongA(handle, GWL_STYLE);
    LONG exStyle = GetWindowLongA(handle, GWL_EXSTYLE);
    for (int i = 0; i < list.Count(); i++) {
        EValue* out = Result(list, i);
        switch (list.KeyAt(i)) {
        case EKey::Style: *out = static_cast<DWORD>(style); break;
        case EKey::ExStyle: *out = static_cast<DWORD>(exStyle); break;
        case EKey::Id: *out = static_cast<EValue>(id); break;
        case EKey::Group: *out = (style & WS_GROUP) ? 1 : 0; break;
        case EKey::AcceptFiles: *out = (exStyle & WS_EX_ACCEPTFILES) ? 1 : 0; break;
        case EKey::Text: *out = reinterpret_cast<EValue>(CopyText(handle)); break;
        case EKey::X: *out = static_cast<EValue>(geometry[0]); break;
        case EKey::Y: *out = static_cast<EValue>(geometry[1]); break;
        case EKey::Width: *out = static_cast<EValue>(geometry[2]); break;
        case EKey::Height: *out = static_cast<EValue>(geometry[3]); break;
        default: break;
        }
    }
}

EValue EWindow::QueryAttribute(unsigned key)
{
    EValue result = 0;
    EAttributeList list;
    list.Set(key, &result);
    GetAttributes(list);
    return result;
}

void EWindow::ApplyFlags(const EFlagRow* table, int rows, const EAttributeList& list)
{
    LONG style = GetWindowLongA(handle, GWL_STYLE);
    LONG before = style;
    EValue value;
    for (int i = 0; i < rows; i++) {
        if (!list.Find(table[i].key, &value))
            continue;
        if (value)
            style |= static_cast<LONG>(table[i].bits);
        else
            style &= ~static_cast<LONG>(table[i].bits);
    }
    if (style != before)
        SetWindowLongA(handle, GWL_STYLE, style);
}

void EWindow::QueryFlags(const EFlagRow* table, int rows, EAttributeList& list)
{
    LONG style = GetWindowLongA(handle, GWL_STYLE);
    for (int i = 0; i < list.Count(); i++)
        for (int row = 0; row < rows; row++)
            if (list.KeyAt(i) == table[row].key)
                *Result(list, i) = (style & static_cast<LONG>(table[row].bits)) ? 1 : 0;
}

void EWindow::FitToText(const char* text)
{
    if (!text || !*text)
        return;
    HDC dc = GetDC(handle);
    if (!dc)
        return;
    // Measured in the window's own font, the one the text is drawn in.
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(handle, WM_GETFONT, 0, 0));
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    SIZE size = {0, 0};
    GetTextExtentExPointA(dc, text, static_cast<int>(std::strlen(text)), 0, nullptr, nullptr, &size);
    if (old)
        SelectObject(dc, old);
    ReleaseDC(handle, dc);
    SetWindowPos(handle, nullptr, 0, 0, size.cx + 2 * size.cy, size.cy * 7 / 4,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(handle, nullptr, TRUE);
}
