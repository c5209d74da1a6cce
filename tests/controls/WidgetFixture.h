#ifndef OMBREL_WIDGETFIXTURE_H
#define OMBREL_WIDGETFIXTURE_H

#include <windows.h>

#include <vector>

#include "EApplication.h"
#include "EView.h"

// An application object (window map, module) and a visible parentless view
// that holds the controls of one test.
struct WidgetFixture {
    WidgetFixture();
    ~WidgetFixture();

    EApplication application;
    EView* view;
};

// Records the events and messages it is handed.
class EventLog : public EObject {
public:
    LRESULT OnEvent(EEvent& event)
    {
        events.push_back(event.extra);
        return 0;
    }
    LRESULT OnMessage(EMessage& message)
    {
        messages.push_back(message.wParam);
        return 0;
    }

    std::vector<EValue> events;
    std::vector<WPARAM> messages;
};

// Dispatches what is queued for this thread.
void PumpMessages();

#endif
