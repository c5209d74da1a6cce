#include "EAboutDialog.h"

#include "AboutIds.h"
#include "EApplication.h"
#include "EFlags.h"
#include "EFont.h"
#include "EGdiObject.h"
#include "EKeyTree.h"
#include "EMemoryLine.h"
#include "MessageBoxes.h"

namespace {

EAttributeList& WithAboutTemplate(EAttributeList& list)
{
    return list.Set(EKey::Template, EJapanese ? "EAboutDialog_J" : "EAboutDialog_E").Set(EKey::Focus, IDOK);
}

}

EAboutDialog::EAboutDialog(EWindow* parent, EAttributeList& list)
    : EDialog(parent, WithAboutTemplate(list)), boldFont(MakeBoldUIFont(-12)), makerKeyPath(nullptr),
      productKeyPath(nullptr)
{
    EndOnButton(IDOK);
    AddEventHandler(EKey::Action, IDC_ABOUT_UNINSTALL, this, &EAboutDialog::Uninstall);
}

EAboutDialog::~EAboutDialog()
{
    delete[] makerKeyPath;
    delete[] productKeyPath;
    delete boldFont;
}

void EAboutDialog::SetKeyPaths(const char* makerPath, const char* productPath)
{
    delete[] makerKeyPath;
    delete[] productKeyPath;
    makerKeyPath = ECopyText(makerPath);
    productKeyPath = ECopyText(productPath);
}

void EFillAboutLines(HWND dialog, const EFont* bold)
{
    const int lines[][2] = {{IDS_PRODUCT_NAME, IDC_ABOUT_NAME},
                            {IDS_PRODUCT_VERSION, IDC_ABOUT_VERSION},
                            {IDS_PRODUCT_NOTICE, IDC_ABOUT_NOTICE},
                            {IDS_CONTACT_FIRST, IDC_ABOUT_CONTACT_FIRST},
                            {IDS_CONTACT_SECOND, IDC_ABOUT_CONTACT_SECOND}};
    for (const auto& line : lines) {
        char text[MAX_PATH];
        if (LoadStringA(EApplication::instance, line[0], text, sizeof text) > 0)
            SetDlgItemTextA(dialog, line[1], text);
    }
    if (bold)
        SendDlgItemMessageA(dialog, IDC_ABOUT_NAME, WM_SETFONT, reinterpret_cast<WPARAM>(bold->Font()), TRUE);
    char memory[MAX_PATH];
    EReadMemoryLine(memory);
    SetDlgItemTextA(dialog, IDC_ABOUT_MEMORY, memory);
}

LRESULT EAboutDialog::OnInitDialog(EMessage&)
{
    CenterOverOwner();
    EFillAboutLines(handle, boldFont);
    if (!productKeyPath)
        ShowWindow(GetDlgItem(handle, IDC_ABOUT_UNINSTALL), SW_HIDE);
    // The system gives the focus to the first control that takes it: OK.
    return TRUE;
}

LRESULT EAboutDialog::Uninstall(EEvent&)
{
    if (!productKeyPath)
        return 0;
    if (ConfirmationBox(handle, EJapanese ? "ｱﾝｲﾝｽﾄｰﾙを実行します" : "Uninstall this program.") != IDOK)
        return 0;
    if (UninstallKeys(HKEY_CURRENT_USER, makerKeyPath, productKeyPath) != ERROR_SUCCESS)
        return 0;
    // The dialog ends when its owner is destroyed.
    HWND owner = GetWindow(handle, GW_OWNER);
    PostMessageA(owner ? owner : parent ? parent->Handle() : nullptr, WM_CLOSE, 0, 0);
    return 0;
}
