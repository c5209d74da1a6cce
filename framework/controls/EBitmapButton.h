#ifndef OMBREL_EBITMAPBUTTON_H
#define OMBREL_EBITMAPBUTTON_H

#include "EButtonFaces.h"
#include "EControl.h"

// An owner-drawn push button showing a picture (Bitmap, BitmapCount: the
// normal picture first, the disabled one second) on faces built once at
// Width x Height. It follows the mouse itself: pressing captures the mouse
// and fires Pressed (parameter: the button); releasing over the button posts
// the click (WM_COMMAND, BN_CLICKED) to the parent, which fires Action for
// it. A press released outside, or whose capture is lost, clicks nothing.
// Keys and focus are not taken: it works with the mouse only.
class EBitmapButton : public EControl {
public:
    EBitmapButton(EWindow* parent, const char* title, EAttributeList& list);

    const ENotificationRow* NotificationMap(int* rows) override;
    LRESULT DefaultProc(EMessage& message) override;
    void Enable() override;
    void Disable() override;

    virtual LRESULT OnButtonDown(EMessage& message);
    virtual LRESULT OnMouseMove(EMessage& message);
    virtual LRESULT OnButtonUp(EMessage& message);

    // The face the button shows now.
    EButtonFace Face() const;
    bool Tracking() const { return tracking; }

private:
    LRESULT OnCaptureChanged(EMessage& message);
    LRESULT Paint(EEvent& event);
    void SetPressedInside(bool inside);

    bool enabled;
    bool tracking;
    bool pressedInside;
    EButtonFaces faces;
};

#endif
