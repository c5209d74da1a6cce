#include "MainWindow.h"

#include <commctrl.h>

#include "BilingualText.h"
#include "EBitmapButton.h"
#include "ECheckBox.h"
#include "EDropDownCombo.h"
#include "ELabel.h"
#include "ELineEdit.h"
#include "EListRows.h"
#include "EOwnerDrawListView.h"
#include "EPushButton.h"

namespace {

// Where a control goes; the caller adds what else it needs.
EAttributeList& Place(EAttributeList& list, int x, int y, int width, int height)
{
    return list.Set(EKey::X, static_cast<EValue>(x))
        .Set(EKey::Y, static_cast<EValue>(y))
        .Set(EKey::Width, static_cast<EValue>(width))
        .Set(EKey::Height, static_cast<EValue>(height));
}

EBitmapButton* MakeBitmapButton(EWindow* parent, const char* text, const char* bitmap, int x, int y, int width)
{
    EAttributeList list;
    Place(list, x, y, width, 21);
    list.Set(EKey::Bitmap, bitmap).Set(EKey::BitmapCount, 2);
    return new EBitmapButton(parent, text, list);
}

EPushButton* MakePushButton(EWindow* parent, const char* text, int x, int y)
{
    EAttributeList list;
    Place(list, x, y, 65, 21);
    return new EPushButton(parent, text, list);
}

ELineEdit* MakeField(EWindow* parent, int x, int y, int width)
{
    EAttributeList list;
    Place(list, x, y, width, 21);
    list.Set(EKey::ExStyle, WS_EX_CLIENTEDGE);
    return new ELineEdit(parent, "", list);
}

ELabel* MakeLabel(EWindow* parent, const char* text, int x, int y)
{
    EAttributeList list;
    Place(list, x, y, 50, 21);
    return new ELabel(parent, text, list);
}

}

void MainWindow::CreateControls()
{
    // Placed once for the client area the window is built with; only the
    // log follows later sizes.
    RECT client;
    ClientRect(&client);
    int width = client.right - client.left;
    int height = client.bottom - client.top;
    CreateSetControls(client.left, client.top, width);
    CreateRunControls(client.left, client.top, width, height);
}

void MainWindow::CreateSetControls(int left, int top, int width)
{
    EAttributeList boxList;
    Place(boxList, left + 60, top + 2, width - 210, 180);
    nameBox.reset(new EDropDownCombo(this, "", boxList));
    nameBox->Connect(EKey::SelEndOk, this, &MainWindow::OnChooseSet);
    nameBox->Connect(EKey::DropDown, this, &MainWindow::OnRefreshTopSet);
    nameBox->Connect(EKey::EditChange, this, &MainWindow::OnNameTyped);
    nameBox->LimitText(260);
    if (EControl* edit = nameBox->EditField()) {
        edit->AddMessageHandler(WM_KEYDOWN, this, &MainWindow::OnNameKey);
        edit->AddMessageHandler(WM_CHAR, this, &MainWindow::OnNameChar);
    }

    newButton.reset(MakePushButton(this, Bilingual("New", "新規"), width - 140, top + 2));
    newButton->Connect(EKey::Action, this, &MainWindow::OnMenuCommand, NewSetCommand);
    deleteButton.reset(MakePushButton(this, Bilingual("Del", "削除"), width - 70, top + 2));
    deleteButton->Connect(EKey::Action, this, &MainWindow::OnMenuCommand, DeleteSetCommand);

    sourceLabel.reset(MakeLabel(this, Bilingual("SRC", "転送元"), left + 5, top + 32));
    destinationLabel.reset(MakeLabel(this, Bilingual("DST", "転送先"), left + 5, top + 82));
    sourceField.reset(MakeField(this, left + 60, top + 27, width - 92));
    destinationField.reset(MakeField(this, left + 60, top + 77, width - 92));
    sourceFolderButton.reset(MakeBitmapButton(this, "S", "RESB_DIRECTORY", width - 27, top + 27, 22));
    sourceFolderButton->Connect(EKey::Action, this, &MainWindow::OnBrowseFolder,
                                reinterpret_cast<EValue>(sourceField.get()));
    destinationFolderButton.reset(MakeBitmapButton(this, "D", "RESB_DIRECTORY", width - 27, top + 77, 22));
    destinationFolderButton->Connect(EKey::Action, this, &MainWindow::OnBrowseFolder,
                                     reinterpret_cast<EValue>(destinationField.get()));
}

void MainWindow::CreateRunControls(int left, int top, int width, int height)
{
    abortButton.reset(MakePushButton(this, Bilingual("Abort", "中断"), width - 70, top + 52));
    abortButton->Connect(EKey::Action, this, &MainWindow::OnAbortRun);
    abortButton->Disable();
    upButton.reset(MakeBitmapButton(this, "UP", "RESB_UP", left + 60, top + 52, 65));
    upButton->Connect(EKey::Action, this, &MainWindow::OnRunBackward);
    downButton.reset(MakeBitmapButton(this, "DOWN", "RESB_DOWN", left + 130, top + 52, width - 205));
    downButton->Connect(EKey::Action, this, &MainWindow::OnRunForward);

    const char* optionTexts[4] = {Bilingual("Del files aft copy", "ｺﾋﾟｰ後削除"),
                                  Bilingual("Comp with DOS time", "DOS時間比較"), Bilingual("Force", "確認無し"),
                                  Bilingual("ExcObj", "OBJ除外")};
    for (int i = 0; i < 4; i++) {
        EAttributeList list;
    Place(list, i == 0 ? left + 5 : i * width / 4, top + 102, width / 4 - 20, 21);
        options[i].reset(new ECheckBox(this, optionTexts[i], list));
    }

    EAttributeList logList;
    Place(logList, left, top + 127, width, height - 125);
    logList.Set(EKey::ExStyle, WS_EX_CLIENTEDGE).Set(EKey::Style, LVS_REPORT | LVS_SINGLESEL);
    log.reset(new EOwnerDrawListView(this, "", logList));
    const EListColumn columns[3] = {
        {Bilingual("Operation", "操作"), EJapanese ? 40 : 80, LVCFMT_LEFT},
        {Bilingual("Source", "ｱｯﾌﾟﾃﾞｰﾄ元"), 300, LVCFMT_LEFT},
        {Bilingual("Destination", "ｱｯﾌﾟﾃﾞｰﾄ先"), 200, LVCFMT_LEFT},
    };
    log->InsertColumns(3, columns);
}
