// Opens a frame with the menu bar, the status bar and every standard control
// of the framework (push buttons, check boxes, labels, line edits, a combo
// box, the drop-down combo, a list box, bitmap buttons and the owner-drawn
// log), in the language of the process, for the screenshots in
// docs/screenshots (cmake/screenshots.sh); not a test.
//   frame_showcase [about] <marker file>
// With "about" the About dialog runs over the frame. Once the window to show
// is painted, its rectangle ("x y width height") goes to the marker file;
// the program closes when the marker file is deleted.

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "EAboutDialog.h"
#include "EApplication.h"
#include "EApplicationView.h"
#include "EBitmapButton.h"
#include "ECheckBox.h"
#include "EComboBox.h"
#include "EDropDownCombo.h"
#include "EFlags.h"
#include "EFont.h"
#include "ELabel.h"
#include "ELineEdit.h"
#include "EListBox.h"
#include "EOwnerDrawListView.h"
#include "EProgram.h"
#include "EPushButton.h"
#include "EStatusBar.h"
#include "MenuIds.h"
#include "ShowcaseMarker.h"
#include "resource.h"

namespace {

class Showcase : public EObject {
public:
    Showcase(EApplicationView& frame, const char* marker, EDialog* dialog)
        : frame(frame), marker(marker), dialog(dialog)
    {
    }

    void Start()
    {
        frame.AddMessageHandler(WM_TIMER, this, &Showcase::OnTimer);
        SetTimer(frame.Handle(), 1, 100, nullptr);
    }

private:
    LRESULT OnTimer(EMessage&)
    {
        HWND shown = dialog ? dialog->Handle() : frame.Handle();
        if (!written) {
            if (shown && IsWindowVisible(shown))
                written = WriteWindowMarker(shown, marker);
        } else if (MarkerTaken(marker)) {
            if (dialog && dialog->Handle())
                dialog->End(IDOK);
            else
                DestroyWindow(frame.Handle());
        }
        return 0;
    }

    EApplicationView& frame;
    const char* marker;
    EDialog* dialog;
    bool written = false;
};

const char* Text(const char* english, const char* japanese)
{
    return EJapanese ? japanese : english;
}

EAttributeList& At(EAttributeList& list, int x, int y, int width, int height)
{
    return list.Set(EKey::X, x).Set(EKey::Y, y).Set(EKey::Width, width).Set(EKey::Height, height);
}

// Owns the controls of the frame, in the places and the font the main window
// gives them, with a combo box and a list box in a row of their own above
// the log.
class Controls {
public:
    Controls(EApplicationView& frame, const RECT& client) : font(MakeFont(-12))
    {
        int l = client.left, t = client.top, w = client.right - client.left, h = client.bottom - client.top;
        EAttributeList name;
        name.Set(EKey::TextLimit, 260);
        EDropDownCombo* names = Lettered(new EDropDownCombo(&frame, "", At(name, l + 60, t + 2, w - 210, 180)));
        names->AppendItem("Reports");
        names->AppendItem(Text("Photos", "写真"));
        names->Select(0);
        Push(frame, Text("New", "新規"), w - 140, t + 2, false);
        Push(frame, Text("Del", "削除"), w - 70, t + 2, false);
        Label(frame, Text("SRC", "転送元"), l + 5, t + 32);
        Label(frame, Text("DST", "転送先"), l + 5, t + 82);
        Field(frame, "C:\\Work\\Reports", l + 60, t + 27, w - 92);
        Field(frame, Text("D:\\Backup\\Reports", "D:\\バックアップ\\Reports"), l + 60, t + 77, w - 92);
        Bitmap(frame, "S", "RESB_DIRECTORY", w - 27, t + 27, 22, false);
        Bitmap(frame, "D", "RESB_DIRECTORY", w - 27, t + 77, 22, true);
        Bitmap(frame, "UP", "RESB_UP", l + 60, t + 52, 65, false);
        Bitmap(frame, "DOWN", "RESB_DOWN", l + 130, t + 52, w - 205, false);
        Push(frame, Text("Abort", "中断"), w - 70, t + 52, true);
        const char* options[][2] = {{"Del files aft copy", "ｺﾋﾟｰ後削除"},
                                    {"Comp with DOS time", "DOS時間比較"},
                                    {"Force", "確認無し"},
                                    {"ExcObj", "OBJ除外"}};
        for (int i = 0; i < 4; i++) {
            EAttributeList list;
            ECheckBox* box = Lettered(new ECheckBox(&frame, Text(options[i][0], options[i][1]),
                                                    At(list, i ? i * w / 4 : l + 5, t + 102, w / 4 - 20, 21)));
            box->SetChecked(i % 2 == 0);
        }
        EAttributeList comboList, listList;
        comboList.Set(EKey::ItemList, Text("Newest first,Oldest first", "新しい順,古い順"));
        comboList.Set(EKey::Style, CBS_DROPDOWNLIST);
        EComboBox* combo = Lettered(new EComboBox(&frame, "", At(comboList, l + 5, t + 127, w / 2 - 10, 120)));
        combo->Select(0);
        listList.Set(EKey::ItemList, Text("C:\\Work,D:\\Backup,E:\\Archive", "C:\\仕事,D:\\バックアップ,E:\\保存"));
        EListBox* places = Lettered(new EListBox(&frame, "", At(listList, w / 2, t + 127, w / 2 - 5, 62)));
        places->Select(1);
        EAttributeList logList;
        At(logList, l, t + 194, w, h - 194).Set(EKey::ExStyle, WS_EX_CLIENTEDGE).Set(EKey::Style, LVS_REPORT | LVS_SINGLESEL);
        log = Own(new EOwnerDrawListView(&frame, "", logList));
    }

    Controls(const Controls&) = delete;
    Controls& operator=(const Controls&) = delete;

    ~Controls()
    {
        for (auto it = owned.rbegin(); it != owned.rend(); ++it)
            delete *it;
        delete font;
    }

    void FillLog()
    {
        const EListColumn english[] = {{"Operation", 80, 0}, {"Source", 300, 0}, {"Destination", 200, 0}};
        const EListColumn japanese[] = {{"操作", 40, 0}, {"ｱｯﾌﾟﾃﾞｰﾄ元", 300, 0}, {"ｱｯﾌﾟﾃﾞｰﾄ先", 200, 0}};
        log->InsertColumns(3, EJapanese ? japanese : english);
        for (int i = 0; i < 40; i++) {
            std::string source = "C:\\Work\\Reports\\2026\\part" + std::to_string(i) + "\\summary.txt";
            std::string target = "D:\\Backup\\Reports\\2026\\part" + std::to_string(i) + "\\summary.txt";
            bool removal = i % 5 == 4;
            const char* row[] = {removal ? "del" : "copy", removal ? target.c_str() : source.c_str(),
                                 removal ? "" : target.c_str()};
            log->AppendRow(row, 3);
        }
    }

private:
    template <class Control> Control* Own(Control* control)
    {
        owned.push_back(control);
        return control;
    }
    // Owned, and in the font of the standard controls.
    template <class Control> Control* Lettered(Control* control)
    {
        SendMessageA(control->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font->Font()), TRUE);
        return Own(control);
    }
    void Push(EApplicationView& frame, const char* text, int x, int y, bool disabled)
    {
        EAttributeList list;
        EPushButton* button = Lettered(new EPushButton(&frame, text, At(list, x, y, 65, 21)));
        if (disabled)
            button->Disable();
    }
    void Label(EApplicationView& frame, const char* text, int x, int y)
    {
        EAttributeList list;
        Lettered(new ELabel(&frame, text, At(list, x, y, 50, 21)));
    }
    void Field(EApplicationView& frame, const char* text, int x, int y, int width)
    {
        EAttributeList list;
        At(list, x, y, width, 21).Set(EKey::ExStyle, WS_EX_CLIENTEDGE);
        Lettered(new ELineEdit(&frame, text, list));
    }
    void Bitmap(EApplicationView& frame, const char* text, const char* bitmap, int x, int y, int width, bool disabled)
    {
        EAttributeList list;
        At(list, x, y, width, 21).Set(EKey::Bitmap, bitmap).Set(EKey::BitmapCount, 2);
        EBitmapButton* button = Own(new EBitmapButton(&frame, text, list));
        if (disabled)
            button->Disable();
    }

    EFont* font;
    std::vector<EWindow*> owned;
    EOwnerDrawListView* log;
};

}

int app::main(int argc, char* argv[])
{
    EApplication application("OmbrelFrameShowcase", argc, argv);
    bool about = argc > 2 && std::strcmp(argv[1], "about") == 0;
    const char* marker = argc > 1 ? argv[argc - 1] : "frame_showcase.txt";
    EAttributeList list;
    list.Set(EKey::ClassName, "OmbrelFrameShowcase")
        .Set(EKey::SmallIcon, IDI_OMBREL)
        .Set(EKey::Menu, EJapanese ? IDR_MENU_JAPANESE : IDR_MENU_ENGLISH)
        .Set(EKey::StatusBar, 1)
        .Set(EKey::Style, WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)
        .Set(EKey::Background, COLOR_BTNFACE + 1)
        .Set(EKey::X, 20)
        .Set(EKey::Y, 20)
        .Set(EKey::Width, 600)
        .Set(EKey::Height, 500);
    EApplicationView frame(&application, "Ombrel", list);
    RECT client;
    frame.ClientRect(&client);
    Controls controls(frame, client);
    frame.Show();
    controls.FillLog();
    frame.StatusBar()->SetText(0, EJapanese ? "C:\\Work\\Reports\\2026 を転送中" : "C:\\Work\\Reports\\2026");

    EAttributeList aboutList;
    EAboutDialog dialog(&frame, aboutList);
    dialog.SetKeyPaths("Software\\KorvaneSoft", "Software\\KorvaneSoft\\KorvaneFolderSync");
    Showcase showcase(frame, marker, about ? &dialog : nullptr);
    showcase.Start();
    if (about)
        dialog.Run();
    EApplication::RunMessageLoop();
    return 1;
}
