#ifndef OMBREL_EDROPDOWNCOMBO_H
#define OMBREL_EDROPDOWNCOMBO_H

#include "EComboBox.h"

// A combo box with an edit field for typing and a list to drop down. The
// edit field inside it is wrapped and subclassed, so its owner can see its
// keys (AddMessageHandler on EditField()).
class EDropDownCombo : public EComboBox {
public:
    EDropDownCombo(EWindow* parent, const char* title, EAttributeList& list);
    // The edit wrapper goes first, while the combo box still lives.
    ~EDropDownCombo() override;

    // The wrapper of the edit field; null when the combo box has none.
    EControl* EditField() const { return editField; }

private:
    EControl* editField;
};

#endif
