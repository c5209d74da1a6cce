// Opens a frame with the menu bar, the status bar, bitmap buttons and the
// operation log, in the language of the process, for the screenshots in
// docs/screenshots (cmake/bars-screenshots.sh); not a test.
//   bars_showcase <marker file>
// When the frame is painted it writes its rectangle ("x y width height") to
// the marker file; it closes when the marker file is deleted.

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "EApplication.h"
#include "EApplicationView.h"
#include "EBitmapButton.h"
#include "EFlags.h"
#include "EOwnerDrawListView.h"
#include "EProgram.h"
#include "EStatusBar.h"
#include "MenuIds.h"
#include "resource.h"

namespace {

class Showcase : public EObject {
public:
    Showcase(EApplicationView& frame, const char* marker) : frame(frame), marker(marker) {}

    void Start()
    {
        frame.AddMessageHandler(WM_TIMER, this, &Showcase::OnTimer);
        SetTimer(frame.Handle(), 1, 100, nullptr);
    }

private:
    LRESULT OnTimer(EMessage&)
    {
        if (!written) {
            RECT r;
            GetWindowRect(frame.Handle(), &r);
            if (std::FILE* out = std::fopen(marker, "w")) {
                std::fprintf(out, "%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
                std::fclose(out);
            }
            written = true;
        } else if (GetFileAttributesA(marker) == INVALID_FILE_ATTRIBUTES) {
            DestroyWindow(frame.Handle());
        }
        return 0;
    }

    EApplicationView& frame;
    const char* marker;
    bool written = false;
};

EBitmapButton* Button(EWindow* parent, const char* text, const char* bitmap, int x, int y, int width)
{
    EAttributeList list;
    list.Set(EKey::X, x).Set(EKey::Y, y).Set(EKey::Width, width).Set(EKey::Height, 21).Set(EKey::Bitmap, bitmap)
        .Set(EKey::BitmapCount, 2);
    return new EBitmapButton(parent, text, list);
}

void FillLog(EOwnerDrawListView& log)
{
    const EListColumn english[] = {{"Operation", 80, 0}, {"Source", 300, 0}, {"Destination", 200, 0}};
    const EListColumn japanese[] = {{"操作", 40, 0}, {"ｱｯﾌﾟﾃﾞｰﾄ元", 300, 0}, {"ｱｯﾌﾟﾃﾞｰﾄ先", 200, 0}};
    log.InsertColumns(3, EJapanese ? japanese : english);
    for (int i = 0; i < 40; i++) {
        std::string source = "C:\\Work\\Reports\\2026\\part" + std::to_string(i) + "\\summary.txt";
        std::string target = "D:\\Backup\\Reports\\2026\\part" + std::to_string(i) + "\\summary.txt";
        bool removal = i % 5 == 4;
        const char* row[] = {removal ? "del" : "copy", removal ? target.c_str() : source.c_str(),
                             removal ? "" : target.c_str()};
        log.AppendRow(row, 3);
    }
}

}

void app::main(int argc, char* argv[])
{
    EApplication application("OmbrelBarsShowcase", argc, argv);
    EAttributeList list;
    list.Set(EKey::ClassName, "OmbrelBarsShowcase")
        .Set(EKey::SmallIcon, IDI_OMBREL)
        .Set(EKey::Menu, EJapanese ? IDR_MENU_JAPANESE : IDR_MENU_ENGLISH)
        .Set(EKey::StatusBar, 1)
        .Set(EKey::Style, WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)
        .Set(EKey::Background, COLOR_BTNFACE + 1)
        .Set(EKey::X, 20)
        .Set(EKey::Y, 20)
        .Set(EKey::Width, 560)
        .Set(EKey::Height, 360);
    EApplicationView frame(&application, "Ombrel", list);
    RECT r;
    frame.ClientRect(&r);
    int w = r.right - r.left;
    EBitmapButton* buttons[] = {Button(&frame, "UP", "RESB_UP", 60, r.top + 8, 65),
                                Button(&frame, "DOWN", "RESB_DOWN", 130, r.top + 8, w - 205),
                                Button(&frame, "S", "RESB_DIRECTORY", w - 27, r.top + 8, 22),
                                Button(&frame, "D", "RESB_DIRECTORY", w - 27, r.top + 34, 22)};
    buttons[3]->Disable();
    EAttributeList logList;
    logList.Set(EKey::X, r.left).Set(EKey::Y, r.top + 62).Set(EKey::Width, w).Set(EKey::Height, r.bottom - r.top - 62)
        .Set(EKey::ExStyle, WS_EX_CLIENTEDGE).Set(EKey::Style, LVS_REPORT | LVS_SINGLESEL);
    EOwnerDrawListView log(&frame, "", logList);
    frame.Show();
    FillLog(log);
    frame.StatusBar()->SetText(0, EJapanese ? "C:\\Work\\Reports\\2026 を転送中" : "C:\\Work\\Reports\\2026");

    Showcase showcase(frame, argc > 1 ? argv[1] : "bars_showcase.txt");
    showcase.Start();
    EApplication::RunMessageLoop();
    for (EBitmapButton* button : buttons)
        delete button;
}
