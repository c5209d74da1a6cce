#ifndef OMBREL_EAPPLICATIONVIEW_H
#define OMBREL_EAPPLICATIONVIEW_H

#include "EView.h"

class EApplication;

// The top-level frame. Given the application, it becomes the main window:
// the message loop offers every queued message to its PreTranslate
// (accelerators) first.
class EApplicationView : public EView {
public:
    EApplicationView(EApplication* application, const char* title, EAttributeList& list);
    ~EApplicationView() override;

    void ClientRect(RECT* rect) override;
    void Show() override;
    bool PreTranslate(MSG* message) override;
    virtual LRESULT OnSize(EMessage& message);

protected:
    // Bars along the top and bottom edges, when the frame has them; the
    // client rectangle leaves them out and they follow WM_SIZE.
    HWND topBar;
    HWND bottomBar;

private:
    static EAttributeList& WithFrameDefaults(EAttributeList& list);
    void SetScrollRanges();

    EApplication* application;
    HACCEL accelerators;
};

#endif
