#ifndef OMBREL_EABOUTDIALOG_H
#define OMBREL_EABOUTDIALOG_H

#include "EDialog.h"

class EFont;

// The About dialog: product lines from the string table, the free memory,
// and "&Uninstall", which after a confirmation removes the program's
// registry keys and closes the owner (the main window).
class EAboutDialog : public EDialog {
public:
    // Adds Template (the "_E" or "_J" form) and Focus to the list.
    EAboutDialog(EWindow* parent, EAttributeList& list);
    ~EAboutDialog() override;

    // Copies the registry paths under HKEY_CURRENT_USER; null: none. Without
    // a product path there is no Uninstall button.
    void SetKeyPaths(const char* makerPath, const char* productPath);

    LRESULT OnInitDialog(EMessage& message) override;
    // The Uninstall button's handler.
    LRESULT Uninstall(EEvent& event);

private:
    EFont* boldFont;
    char* makerKeyPath;
    char* productKeyPath;
};

// The product lines from the string table (the name in bold when a font is
// given) and the memory line, into a dialog made from the About template.
void EFillAboutLines(HWND dialog, const EFont* bold);

#endif
