#ifndef OMBREL_ECONFIRMDIALOG_H
#define OMBREL_ECONFIRMDIALOG_H

#include "EDialog.h"

// A question or report over one of the confirm templates. It knows nothing
// of what it asks: the caller's InitHandler fills in the texts and icons,
// and Run returns the id of the button that ended it (1 OK, 6 Yes, 20 Yes
// to All, 7 No, 2 Cancel, Esc and the close box; -1 without a template).
class EConfirmDialog : public EDialog {
public:
    enum { YesToAll = 20, SkipAll = 21 };

    EConfirmDialog(EWindow* parent, EAttributeList& list);
};

#endif
