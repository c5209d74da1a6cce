#ifndef OMBREL_FRAMEWORKFIXTURE_H
#define OMBREL_FRAMEWORKFIXTURE_H

#include <windows.h>

#include <vector>

#include "EApplication.h"
#include "EView.h"

// Takes the quit message a destroyed parentless window posted, if any.
inline bool TakeQuit(int* code)
{
    MSG m;
    if (!PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        return false;
    *code = static_cast<int>(m.wParam);
    return true;
}

// An application object for one test: the window map and the module. At its
// end it takes the quit message that a destroyed parentless window of the
// test posted, so that it cannot end a later test's dialog.
struct ApplicationFixture {
    ApplicationFixture() : application("FrameworkTests", 0, nullptr)
    {
        EApplication::instance = GetModuleHandleA(nullptr);
    }
    ~ApplicationFixture()
    {
        int code;
        TakeQuit(&code);
    }
    EApplication application;
};

// Records which handlers ran, in order: 1 for an event, 100 plus the
// extra value for a message.
class Recorder : public EObject {
public:
    LRESULT OnEvent(EEvent& event)
    {
        calls.push_back(1);
        event.result = 10;
        return event.result;
    }
    LRESULT OnMessage(EMessage& message)
    {
        calls.push_back(static_cast<int>(100 + message.extra));
        return 42;
    }

    std::vector<int> calls;
};

// A parentless test view, hidden; its class is registered by the framework.
inline EAttributeList& ViewList(EAttributeList& list)
{
    return list.Set(EKey::ClassName, "OmbrelTestView")
        .Set(EKey::Style, WS_OVERLAPPEDWINDOW)
        .Set(EKey::Width, 300)
        .Set(EKey::Height, 200);
}

#endif
