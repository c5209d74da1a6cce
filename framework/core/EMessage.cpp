#include "EMessage.h"

namespace {

const NMHDR* Header(const EMessage& m)
{
    return m.message == WM_NOTIFY ? reinterpret_cast<const NMHDR*>(m.lParam) : nullptr;
}

}

HWND EMessage::ControlHandle() const
{
    if (const NMHDR* header = Header(*this))
        return header->hwndFrom;
    return reinterpret_cast<HWND>(lParam);
}

UINT EMessage::ControlId() const
{
    if (const NMHDR* header = Header(*this))
        return static_cast<UINT>(header->idFrom);
    return LOWORD(wParam);
}

int EMessage::NotificationCode() const
{
    if (const NMHDR* header = Header(*this))
        return static_cast<int>(header->code);
    // Control notification codes are signed 16-bit (LBN_ERRSPACE is -2).
    return static_cast<short>(HIWORD(wParam));
}
