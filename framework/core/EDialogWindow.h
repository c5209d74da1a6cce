#ifndef OMBREL_EDIALOGWINDOW_H
#define OMBREL_EDIALOGWINDOW_H

#include "EView.h"

// The base of every template dialog: attached to its owner, the handle
// arrives later. The dialog manager does the default processing.
class EDialogWindow : public EView {
public:
    explicit EDialogWindow(EWindow* owner) : EView(owner), focusId(0) {}

    // 0: not handled, the dialog manager goes on.
    LRESULT DefaultProc(EMessage& message) override;
    // A dialog's own window id is not a control id.
    void SetId(int newId) override { id = newId; }

    virtual void Close() { End(0); }
    // Modeless: centres the dialog, brings it forward and shows it.
    virtual int Run();
    virtual void End(int code);

    // Centres the dialog over its owner and keeps it on the screen.
    void CenterOverOwner();
    // The place CenterOverOwner chooses for a dialog rectangle, given the
    // owner's window rectangle (null: no owner) and the screen size.
    static POINT CentredPosition(const RECT& dialog, const RECT* owner, int screenWidth, int screenHeight,
                                 bool smallScreen);

protected:
    int focusId;
};

#endif
