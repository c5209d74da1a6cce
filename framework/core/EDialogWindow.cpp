#include "EDialogWindow.h"

#include "EFlags.h"

namespace {

// Keeps the lowest part of a small screen free.
const int SmallScreenReserve = 106;

}

LRESULT EDialogWindow::DefaultProc(EMessage&)
{
    return 0;
}

int EDialogWindow::Run()
{
    CenterOverOwner();
    SetForegroundWindow(handle);
    ShowWindow(handle, SW_SHOWNORMAL);
    return 0;
}

void EDialogWindow::End(int)
{
    ShowWindow(handle, SW_HIDE);
}

POINT EDialogWindow::CentredPosition(const RECT& dialog, const RECT* owner, int screenWidth, int screenHeight,
                                     bool smallScreen)
{
    int w = dialog.right - dialog.left;
    int h = dialog.bottom - dialog.top;
    POINT p = {0, 0};
    if (owner) {
        int bottom = owner->bottom;
        if (smallScreen && bottom > screenHeight - SmallScreenReserve)
            bottom = screenHeight - SmallScreenReserve;
        p.x = owner->left + (owner->right - owner->left - w) / 2;
        p.y = owner->top + (bottom - owner->top - h) / 2;
    }
    if (p.x + w > screenWidth)
        p.x = screenWidth - w;
    if (p.y + h > screenHeight)
        p.y = screenHeight - h;
    if (p.x < 0)
        p.x = 0;
    if (p.y < 0)
        p.y = 0;
    return p;
}

void EDialogWindow::CenterOverOwner()
{
    RECT dialog;
    if (!GetWindowRect(handle, &dialog))
        return;
    RECT owner;
    bool hasOwner = parent && parent->Handle() && GetWindowRect(parent->Handle(), &owner);
    POINT p = CentredPosition(dialog, hasOwner ? &owner : nullptr, GetSystemMetrics(SM_CXSCREEN),
                              GetSystemMetrics(SM_CYSCREEN), ESmallScreen != 0);
    MoveWindow(handle, p.x, p.y, dialog.right - dialog.left, dialog.bottom - dialog.top, TRUE);
}
