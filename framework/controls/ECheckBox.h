#ifndef OMBREL_ECHECKBOX_H
#define OMBREL_ECHECKBOX_H

#include "EButton.h"

// A check box that checks and unchecks itself when clicked.
class ECheckBox : public EButton {
public:
    ECheckBox(EWindow* parent, const char* title, EAttributeList& list);

    // 1 checked, 0 not (BM_GETCHECK / BM_SETCHECK).
    int Checked() const;
    void SetChecked(int checked);
};

#endif
