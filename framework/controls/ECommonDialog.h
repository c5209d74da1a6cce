#ifndef OMBREL_ECOMMONDIALOG_H
#define OMBREL_ECOMMONDIALOG_H

#include "EView.h"

// The base of the wrappers of the system's choosers: never a window of its
// own, only attached to its parent so that the parent can own the chooser.
class ECommonDialog : public EView {
public:
    explicit ECommonDialog(EWindow* parent) : EView(parent) {}

    // Shows the chooser; nonzero when the user chose something.
    virtual int Run() { return 1; }

protected:
    HWND OwnerHandle() const { return parent ? parent->Handle() : nullptr; }
};

#endif
