#ifndef OMBREL_ELINEEDIT_H
#define OMBREL_ELINEEDIT_H

#include "EEdit.h"

// A one-line edit field with a border that filters what is typed by its
// input mode (DataType): text (at most 256 characters), one digit 0 or 1, or
// a number of at most 6 digits. Enter never reaches the field.
class ELineEdit : public EEdit {
public:
    enum InputMode { TextInput = 1, BinaryDigit = 2, Number = 3 };
    enum { TextLimit = 256 };

    ELineEdit(EWindow* parent, const char* title, EAttributeList& list);

    void GetAttributes(EAttributeList& list) override;
    void SetAttributes(EAttributeList& list) override;
    virtual LRESULT OnChar(EMessage& message);

    int Mode() const { return mode; }

private:
    int mode;
};

#endif
