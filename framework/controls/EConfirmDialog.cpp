#include "EConfirmDialog.h"

EConfirmDialog::EConfirmDialog(EWindow* parent, EAttributeList& list) : EDialog(parent, list)
{
    // Cancel (2) is bound by EDialog already. A template without one of
    // these buttons never produces its id.
    const int buttons[] = {IDOK, IDYES, YesToAll, IDNO, IDABORT, IDIGNORE, IDRETRY, SkipAll};
    for (int id : buttons)
        EndOnButton(id);
}
