#include "WidgetFixture.h"

WidgetFixture::WidgetFixture() : application("WidgetTests", 0, nullptr), view(nullptr)
{
    EApplication::instance = GetModuleHandleA(nullptr);
    EAttributeList list;
    list.Set(EKey::ClassName, "OmbrelWidgetView")
        .Set(EKey::Style, WS_OVERLAPPEDWINDOW | WS_VISIBLE)
        .Set(EKey::Width, 480)
        .Set(EKey::Height, 320);
    view = new EView(nullptr, "widgets", list);
}

WidgetFixture::~WidgetFixture()
{
    delete view;
    // The view's destruction posts the quit message of a parentless window.
    MSG m;
    PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

void PumpMessages()
{
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}
