#ifndef OMBREL_ETOOLBAR_H
#define OMBREL_ETOOLBAR_H

#include "EControl.h"

// A toolbar with tooltips along the top of its parent. Its owner adds the
// buttons with the toolbar's own messages; ToolbarBitmap (with
// ToolbarImageCount) adds a bitmap resource of button images.
class EToolBar : public EControl {
public:
    EToolBar(EWindow* parent, const char* title, EAttributeList& list);

    const ENotificationRow* NotificationMap(int* rows) override;
    // Applies ToolbarBitmap only.
    void SetAttributes(EAttributeList& list) override;
};

#endif
