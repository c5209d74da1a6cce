#include "EApplicationView.h"

#include "EApplication.h"

namespace {

const EValue UseDefault = 0x80000000u;

int WindowHeight(HWND window)
{
    RECT r;
    if (!window || !GetWindowRect(window, &r))
        return 0;
    return r.bottom - r.top;
}

}

EAttributeList& EApplicationView::WithFrameDefaults(EAttributeList& list)
{
    return list.Add(EKey::Style, WS_CAPTION | WS_SYSMENU)
        .Add(EKey::ClassName, "ApplicationView")
        .Add(EKey::X, UseDefault)
        .Add(EKey::Y, UseDefault)
        .Add(EKey::Width, UseDefault)
        .Add(EKey::Height, UseDefault);
}

EApplicationView::EApplicationView(EApplication* application, const char* title, EAttributeList& list)
    : EView(nullptr, title, WithFrameDefaults(list)), topBar(nullptr), bottomBar(nullptr),
      application(application), accelerators(nullptr)
{
    if (application)
        EApplication::mainWindow = this;
    EValue value;
    if (list.Find(EKey::SmallIcon, &value)) {
        // Shared: the system releases it with the module.
        HANDLE icon = LoadImageA(EApplication::instance, MAKEINTRESOURCEA(value), IMAGE_ICON, 16, 16, LR_SHARED);
        if (icon)
            SendMessageA(handle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    const char* table = list.Find(EKey::Accelerators, &value) ? reinterpret_cast<const char*>(value) : title;
    if (table)
        accelerators = LoadAcceleratorsA(EApplication::instance, table);
    AddMessageHandler(WM_SIZE, this, &EApplicationView::OnSize);
}

EApplicationView::~EApplicationView()
{
    // The message loop must never reach a destroyed frame.
    if (EApplication::mainWindow == this)
        EApplication::mainWindow = nullptr;
}

void EApplicationView::ClientRect(RECT* rect)
{
    GetClientRect(handle, rect);
    rect->top += WindowHeight(topBar);
    rect->bottom -= WindowHeight(bottomBar);
}

void EApplicationView::Show()
{
    ShowWindow(handle, application ? EApplication::showCommand : SW_SHOWNORMAL);
}

bool EApplicationView::PreTranslate(MSG* message)
{
    return accelerators && handle && TranslateAcceleratorA(handle, accelerators, message);
}

LRESULT EApplicationView::OnSize(EMessage& m)
{
    if (topBar)
        SendMessageA(topBar, m.message, m.wParam, m.lParam);
    if (bottomBar)
        SendMessageA(bottomBar, m.message, m.wParam, m.lParam);
    // Twice: showing or hiding a scroll bar changes the client rectangle.
    SetScrollRanges();
    SetScrollRanges();
    return 0;
}

void EApplicationView::SetScrollRanges()
{
    RECT r;
    ClientRect(&r);
    // An empty range, never a reversed one: no content means no scroll bar.
    int width = contentWidth - (r.right - r.left);
    int height = contentHeight - (r.bottom - r.top);
    SetScrollRange(handle, SB_HORZ, 0, width > 0 ? width : 0, TRUE);
    SetScrollRange(handle, SB_VERT, 0, height > 0 ? height : 0, TRUE);
}
