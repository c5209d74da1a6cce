#include "EDialog.h"

#include "EApplication.h"
#include "EControl.h"
#include "EWindowMap.h"
#include "MessageBoxes.h"

EDialog::EDialog(EWindow* parent, EAttributeList& list)
    : EDialogWindow(parent), templateName(reinterpret_cast<const char*>(list.Get(EKey::Template))),
      templateFound(false), initHandler(nullptr)
{
    templateFound = templateName && FindResourceA(EApplication::instance, templateName, RT_DIALOG);
    if (!templateFound)
        FatalBox(nullptr, "Can't find dialog template '%s'", templateName ? templateName : "");
    AddMessageHandler(WM_INITDIALOG, this, &EDialog::OnInitDialog);
    EValue value;
    focusId = list.Find(EKey::Focus, &value) ? EIntValue(value) : IDOK;
    EndOnButton(IDCANCEL);
    initHandler = reinterpret_cast<const EHandler*>(list.Get(EKey::InitHandler));
}

void EDialog::EndOnButton(int buttonId)
{
    AddEventHandler(EKey::Action, static_cast<EValue>(buttonId), this, &EDialog::EndWithExtra,
                    static_cast<EValue>(buttonId));
}

int EDialog::Run()
{
    // Never shown at all: nothing must be left pending for another dialog.
    if (!templateFound)
        return -1;
    EApplication::pendingDialog = this;
    INT_PTR code = DialogBoxParamA(EApplication::instance, templateName, parent ? parent->Handle() : nullptr,
                                   Procedure, 0);
    if (EApplication::pendingDialog == this)
        EApplication::pendingDialog = nullptr;
    return static_cast<int>(code);
}

void EDialog::End(int code)
{
    EndDialog(handle, code);
}

INT_PTR CALLBACK EDialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG && EApplication::pendingDialog) {
        EDialog* dialog = EApplication::pendingDialog;
        EApplication::pendingDialog = nullptr;
        dialog->Register(window);
    }
    EWindow* wrapper = EApplication::windowMap ? EApplication::windowMap->Find(window) : nullptr;
    if (!wrapper)
        return 0;
    if (message == WM_DESTROY) {
        EWindow::ForgetUnseenChildren(window);
        return 0;
    }
    if (message == WM_NCDESTROY) {
        EWindow::ForgetHandle(window);
        return 0;
    }
    EMessage m(message, wParam, lParam);
    return wrapper->HandleMessage(m);
}

LRESULT EDialog::OnInitDialog(EMessage& m)
{
    if (HWND item = GetDlgItem(handle, focusId))
        SetFocus(item);
    CenterOverOwner();
    if (initHandler) {
        EEvent event(reinterpret_cast<EValue>(this), &m);
        initHandler->Invoke(event);
    }
    return 0;
}

LRESULT EDialog::OnCommand(EMessage& m)
{
    if (!m.FromMenu()) {
        unsigned key = EControl::EventKeyByClassName(m.ControlHandle(), m.NotificationCode());
        Fire(key, m.ControlId(), 0, &m);
    } else if (m.ControlId() == IDCANCEL) {
        End(IDCANCEL);
    } else if (m.ControlId() == IDOK) {
        Fire(EKey::Action, IDOK, 0, &m);
    } else {
        Fire(EKey::MenuCommand, m.ControlId(), 0, &m);
    }
    return 1;
}

LRESULT EDialog::OnNotify(EMessage& m)
{
    HWND sender = m.ControlHandle();
    int code = m.NotificationCode();
    unsigned key;
    if (EWindow* wrapper = EApplication::windowMap ? EApplication::windowMap->Find(sender) : nullptr) {
        key = NotifyEventKey(wrapper, code);
    } else {
        if (!sender || sender == handle)
            return m.result;
        if (!ECommonNotification(code, &key))
            key = EControl::EventKeyByClassName(sender, code);
    }
    Fire(key, reinterpret_cast<EValue>(sender), 0, &m);
    return m.result;
}

LRESULT EDialog::OnDrawItem(EMessage& m)
{
    const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam);
    if (item)
        Fire(EKey::DrawItem, reinterpret_cast<EValue>(item->hwndItem), 0, &m);
    return m.result;
}

void EDialog::SetItemIcon(int itemId, int iconId)
{
    HICON icon = LoadIconA(EApplication::instance, MAKEINTRESOURCEA(iconId));
    SendDlgItemMessageA(handle, itemId, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
}

LRESULT EDialog::RunHandler(EEvent& event)
{
    event.result = Run();
    return event.result;
}

LRESULT EDialog::EndWithExtra(EEvent& event)
{
    End(EIntValue(event.extra));
    return 0;
}
