#ifndef OMBREL_EMENUITEM_H
#define OMBREL_EMENUITEM_H

#include "EObject.h"

// One item of a drop-down description: a command and its text; the text
// "SEPARATOR" (exactly) stands for a separator line.
class EMenuItem : public EObject {
public:
    // Copies the text; null gives an empty one.
    EMenuItem(unsigned command, const char* text);
    ~EMenuItem() override;

    unsigned Command() const { return command; }
    const char* Text() const { return text ? text : ""; }
    bool IsSeparator() const;

private:
    unsigned command;
    char* text;
};

#endif
