#ifndef OMBREL_EDIALOG_H
#define OMBREL_EDIALOG_H

#include "EDialogWindow.h"

class EHandler;

// A modal dialog from the template named by Template (180): the caller picks
// the "_E" or "_J" name. Commands of the template's controls are fired as
// events with the control id; the id 2 button (and Esc) ends it with 2.
class EDialog : public EDialogWindow {
public:
    // The list's Template text is borrowed and must outlive the dialog.
    EDialog(EWindow* parent, EAttributeList& list);

    LRESULT OnCommand(EMessage& message) override;
    LRESULT OnNotify(EMessage& message) override;
    LRESULT OnDrawItem(EMessage& message) override;
    // Runs modally over the parent; the code given to End, or -1 when the
    // dialog could not be made (a missing template).
    int Run() override;
    void End(int code) override;
    virtual LRESULT OnInitDialog(EMessage& message);

    // Shows the module's icon resource in a static item of the dialog.
    void SetItemIcon(int itemId, int iconId);
    // Event handlers: run the dialog (its end code becomes the event's
    // result); end it with the handler's extra value.
    LRESULT RunHandler(EEvent& event);
    LRESULT EndWithExtra(EEvent& event);

    // Ends the dialog with its own id when the button is pressed.
    void EndOnButton(int buttonId);

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    const char* templateName;
    bool templateFound;
    const EHandler* initHandler;
};

#endif
