#include "MainWindow.h"

#include <cstring>

#include "BilingualText.h"
#include "CurrentSet.h"
#include "ECheckBox.h"
#include "EDropDownCombo.h"
#include "ELineEdit.h"
#include "MessageBoxes.h"
#include "WidePath.h"

namespace {

void ReadText(HWND control, char* buffer)
{
    buffer[0] = '\0';
    GetWindowTextA(control, buffer, CurrentSet::TextSize);
}

}

void MainWindow::NoteShownName()
{
    char name[CurrentSet::TextSize];
    ReadText(nameBox->Handle(), name);
    shownName = name;
}

void MainWindow::ReadFields(CurrentSet& current)
{
    // A choice in the list has already put the chosen name into the box;
    // the set being left keeps the name it had.
    if (choosing) {
        std::strncpy(current.name, shownName.c_str(), CurrentSet::TextSize - 1);
        current.name[CurrentSet::TextSize - 1] = '\0';
    } else {
        ReadText(nameBox->Handle(), current.name);
    }
    ReadText(sourceField->Handle(), current.source);
    ReadText(destinationField->Handle(), current.destination);
    current.deleteFlag = options[0]->Checked();
    current.dosTimeFlag = options[1]->Checked();
    current.forceFlag = options[2]->Checked();
    current.excludeObjectFlag = options[3]->Checked();
}

void MainWindow::ShowFields(const CurrentSet& current)
{
    SetWindowTextA(sourceField->Handle(), current.source);
    SetWindowTextA(destinationField->Handle(), current.destination);
    options[0]->SetChecked(current.deleteFlag);
    options[1]->SetChecked(current.dosTimeFlag);
    options[2]->SetChecked(current.forceFlag);
    options[3]->SetChecked(current.excludeObjectFlag);
}

void MainWindow::InsertNameAtTop(const char* name)
{
    nameBox->InsertItem(0, name);
}

void MainWindow::AppendNames(const std::vector<const char*>& names)
{
    // Room for all at once: the list then grows once, not item by item.
    std::size_t bytes = 0;
    for (const char* name : names)
        bytes += std::strlen(name) + 1;
    HWND box = nameBox->Handle();
    SendMessageA(box, CB_INITSTORAGE, names.size(), bytes);
    // Nothing is drawn or scrolled item by item: the list is hidden anyway.
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    HWND list = GetComboBoxInfo(box, &info) ? info.hwndList : nullptr;
    if (list)
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (const char* name : names)
        nameBox->AppendItem(name);
    if (list)
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
}

bool MainWindow::ConfirmDeleteSet(const char* name)
{
    std::wstring text = FormatShown(Bilingual("Remove the set '%s'? Its folders and files stay as they are.",
                                              "ｾｯﾄ '%s' を削除しますか? ﾌｫﾙﾀﾞとﾌｧｲﾙはそのまま残ります。"),
                                    {Widen(name)});
    return TextBox(Handle(), text, Bilingual("Confirmation", "確認"), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) ==
           IDYES;
}

void MainWindow::RefuseName(const char* name)
{
    ErrorBox(Handle(),
             Bilingual("The set name '%s' can't be kept in the set file. A set name must not be empty "
                       "and must not hold these characters: \" [ ]",
                       "ｾｯﾄ名 '%s' は設定ﾌｧｲﾙに保存できません。ｾｯﾄ名は空にできず、"
                       "次の文字は使えません: \" [ ]"),
             name);
    // The name stays as typed, to be corrected.
    nameBox->Select(-1);
    SetWindowTextA(nameBox->Handle(), name);
    shownName = name;
    SetFocus(nameBox->Handle());
    SendMessageA(nameBox->Handle(), CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

void MainWindow::DeleteNameAt(int index)
{
    nameBox->DeleteItem(index);
}

void MainWindow::ClearNames()
{
    nameBox->Clear();
    SetWindowTextA(nameBox->Handle(), "");
    shownName.clear();
}

void MainWindow::SelectTop()
{
    if (nameBox->ItemCount() > 0)
        nameBox->Select(0);
    NoteShownName();
}

int MainWindow::Selection()
{
    return nameBox->Selection();
}
