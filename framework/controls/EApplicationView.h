#ifndef OMBREL_EAPPLICATIONVIEW_H
#define OMBREL_EAPPLICATIONVIEW_H

#include "EView.h"

class EAccelerator;
class EApplication;
class EMenu;
class EStatusBar;
class EToolBar;

// The top-level frame. Given the application, it becomes the main window:
// the message loop offers every queued message to its PreTranslate
// (accelerators) first. Its list may ask for a menu bar (Menu, MenuList), a
// toolbar (ToolBar), a status bar (StatusBar) and an accelerator table
// (Accelerators, else the title); the frame owns them.
class EApplicationView : public EView {
public:
    EApplicationView(EApplication* application, const char* title, EAttributeList& list);
    ~EApplicationView() override;

    // The client area less the toolbar at the top and the status bar at the
    // bottom.
    void ClientRect(RECT* rect) override;
    void Show() override;
    bool PreTranslate(MSG* message) override;
    // Places the bars, then sets the scroll ranges.
    virtual LRESULT OnSize(EMessage& message);

    // Null when the list did not ask for them.
    EMenu* Menu() const { return menu; }
    EToolBar* ToolBar() const { return toolBar; }
    EStatusBar* StatusBar() const { return statusBar; }
    EAccelerator* Accelerators() const { return accelerators; }

private:
    static EAttributeList& WithFrameDefaults(EAttributeList& list);
    void MakeBars(const char* title, const EAttributeList& list);
    // The bars follow their parent's size themselves when told of it.
    void PlaceBars(WPARAM wParam, LPARAM lParam);
    void SetScrollRanges();

    EApplication* application;
    EMenu* menu;
    EToolBar* toolBar;
    EStatusBar* statusBar;
    EAccelerator* accelerators;
};

#endif
