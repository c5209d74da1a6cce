#include "EApplicationView.h"

#include "EAccelerator.h"
#include "EApplication.h"
#include "EMenu.h"
#include "EObjectList.h"
#include "EStatusBar.h"
#include "EToolBar.h"

namespace {

const EValue UseDefault = 0x80000000u;

int WindowHeight(const EWindow* bar)
{
    RECT r;
    if (!bar || !bar->Handle() || !GetWindowRect(bar->Handle(), &r))
        return 0;
    return r.bottom - r.top;
}

}

EAttributeList& EApplicationView::WithFrameDefaults(EAttributeList& list)
{
    return list.Add(EKey::Style, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX)
        .Add(EKey::ClassName, "ApplicationView")
        .Add(EKey::X, UseDefault)
        .Add(EKey::Y, UseDefault)
        .Add(EKey::Width, UseDefault)
        .Add(EKey::Height, UseDefault);
}

EApplicationView::EApplicationView(EApplication* application, const char* title, EAttributeList& list)
    : EView(nullptr, title, WithFrameDefaults(list)), application(application), menu(nullptr), toolBar(nullptr),
      statusBar(nullptr), accelerators(nullptr)
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
    MakeBars(title, list);
    AddMessageHandler(WM_SIZE, this, &EApplicationView::OnSize);
}

void EApplicationView::MakeBars(const char* title, const EAttributeList& list)
{
    // Without a window there is nothing to hang the bars on.
    if (!handle)
        return;
    EValue value;
    if (list.Find(EKey::Menu, &value))
        menu = new EMenu(handle, MAKEINTRESOURCEA(value));
    // The bars take their classes' default place and size: lists of their own.
    EAttributeList barList;
    if (list.Find(EKey::ToolBar, &value) && value)
        toolBar = new EToolBar(this, "", barList);
    if (menu && list.Find(EKey::MenuList, &value))
        menu->AppendDropDowns(reinterpret_cast<EObjectList*>(value));
    const char* table = list.Find(EKey::Accelerators, &value) ? reinterpret_cast<const char*>(value) : title;
    if (table)
        accelerators = new EAccelerator(table);
    if (list.Find(EKey::StatusBar, &value) && value)
        statusBar = new EStatusBar(this, "", barList.Clear());
    // Made after the frame's first WM_SIZE: they take their place now.
    PlaceBars(0, 0);
}

void EApplicationView::PlaceBars(WPARAM wParam, LPARAM lParam)
{
    if (toolBar)
        SendMessageA(toolBar->Handle(), WM_SIZE, wParam, lParam);
    if (statusBar)
        SendMessageA(statusBar->Handle(), WM_SIZE, wParam, lParam);
}

EApplicationView::~EApplicationView()
{
    // The message loop must never reach a destroyed frame.
    if (EApplication::mainWindow == this)
        EApplication::mainWindow = nullptr;
    delete toolBar;
    delete menu;
    delete statusBar;
    delete accelerators;
}

void EApplicationView::ClientRect(RECT* rect)
{
    GetClientRect(handle, rect);
    rect->top += WindowHeight(toolBar);
    rect->bottom -= WindowHeight(statusBar);
}

void EApplicationView::Show()
{
    ShowWindow(handle, application ? EApplication::showCommand : SW_SHOWNORMAL);
}

bool EApplicationView::PreTranslate(MSG* message)
{
    return accelerators && accelerators->Translate(handle, message);
}

LRESULT EApplicationView::OnSize(EMessage& m)
{
    PlaceBars(m.wParam, m.lParam);
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
