#ifndef OMBREL_EVIEW_H
#define OMBREL_EVIEW_H

#include "EContentArea.h"
#include "EWindow.h"

// A window that turns its children's commands and notifications into events
// and scrolls its content with its own scroll bars.
class EView : public EWindow, public EContentArea {
public:
    EView(EWindow* parent, const char* title, EAttributeList& list);
    // No window yet (dialogs): the command bindings without WM_ACTIVATE.
    explicit EView(EWindow* parent);

    void GetAttributes(EAttributeList& list) override;
    void SetAttributes(EAttributeList& list) override;

    virtual LRESULT OnActivate(EMessage& message);
    virtual LRESULT OnCommand(EMessage& message);
    virtual LRESULT OnNotify(EMessage& message);
    virtual LRESULT OnDrawItem(EMessage& message);
    virtual LRESULT OnHScroll(EMessage& message);
    virtual LRESULT OnVScroll(EMessage& message);
    virtual void Show();
    // True when the queued message was consumed.
    virtual bool PreTranslate(MSG* message);

    // The new position of a scroll bar for a scroll request (the low word of
    // wParam; the high word carries the thumb position). False when the
    // request moves nothing (thumb tracking while tracking is off).
    static bool NewScrollPosition(int position, int minimum, int maximum, int page, WPARAM wParam,
                                  bool thumbTrack, int* newPosition);

protected:
    // The event key of a notification from a control with a wrapper: the
    // common table first, then the wrapper's own map.
    static unsigned NotifyEventKey(EWindow* sender, int code);

    HWND lastFocus;
    int pageStep;
    int lineStep;
    int thumbTrack;

private:
    void BindMessages();
    // Moves the view's own bar for the request; returns the distance.
    int StepOwnScrollBar(int bar, WPARAM wParam);
    LRESULT OnScroll(EMessage& message, int bar, unsigned eventKey);
    void ScrollContent(int dx, int dy);
    LRESULT ScrollHorizontally(EEvent& event);
    LRESULT ScrollVertically(EEvent& event);
};

#endif
