// Opens one confirm template with sample contents for screenshots:
//   confirm_showcase <template base> <marker file>
// Once the dialog is drawn it writes its window rectangle ("x y w h") to the
// marker file; it closes when the marker file is deleted.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "EApplication.h"
#include "EConfirmDialog.h"
#include "EFlags.h"
#include "EProgram.h"
#include "ShowcaseMarker.h"
#include "resource.h"

namespace {

class Showcase : public EObject {
public:
    Showcase(const char* marker, bool replace) : marker(marker), replace(replace) {}

    LRESULT OnInit(EEvent& event)
    {
        dialog = reinterpret_cast<EDialog*>(event.parameter);
        HWND window = dialog->Handle();
        dialog->AddMessageHandler(WM_SHOWWINDOW, this, &Showcase::OnShow);
        dialog->AddMessageHandler(WM_APP, this, &Showcase::OnShown);
        dialog->AddMessageHandler(WM_TIMER, this, &Showcase::OnTimer);
        // The success report of a run with nothing skipped shows its
        // template alone.
        if (!replace)
            return 0;
        if (EJapanese) {
            SetDlgItemTextA(window, IDC_CONFIRM_TEXT, "このフォルダには既に 'report.txt' という名前のファイルがあります。");
            SetDlgItemTextA(window, IDC_EXISTING_TEXT, "12.0KB (12288 bytes)\n更新日時: 2026/12/01 10:15:00");
            SetDlgItemTextA(window, IDC_NEW_TEXT, "1024KB (1048576 bytes)\n更新日時: 2026/12/06 23:40:12");
        } else {
            SetDlgItemTextA(window, IDC_CONFIRM_TEXT, "This folder already contains a file named 'report.txt'.");
            SetDlgItemTextA(window, IDC_EXISTING_TEXT, "12.0KB (12288 bytes)\nmodified: 2026/12/01 10:15:00");
            SetDlgItemTextA(window, IDC_NEW_TEXT, "1024KB (1048576 bytes)\nmodified: 2026/12/06 23:40:12");
        }
        dialog->SetItemIcon(IDC_EXISTING_ICON, IDI_OMBREL);
        dialog->SetItemIcon(IDC_NEW_ICON, IDI_OMBREL);
        return 0;
    }

    LRESULT OnShow(EMessage& m)
    {
        if (m.wParam)
            PostMessageA(dialog->Handle(), WM_APP, 0, 0);
        return 0;
    }

    // Drawn now: tell the screenshot taker where the dialog is.
    LRESULT OnShown(EMessage&)
    {
        WriteWindowMarker(dialog->Handle(), marker);
        SetTimer(dialog->Handle(), 1, 100, nullptr);
        return 1;
    }

    LRESULT OnTimer(EMessage&)
    {
        if (MarkerTaken(marker))
            dialog->End(IDCANCEL);
        return 1;
    }

private:
    const char* marker;
    bool replace;
    EDialog* dialog = nullptr;
};

}

int app::main(int argc, char* argv[])
{
    if (argc < 3)
        return 1;
    EApplication application("ConfirmShowcase", argc, argv);
    char name[128];
    std::snprintf(name, sizeof name, "%s%s", argv[1], EJapanese ? "_J" : "_E");
    Showcase showcase(argv[2], std::strcmp(argv[1], "Success") != 0);
    EHandler init(&showcase, &Showcase::OnInit);
    EAttributeList list;
    list.Set(EKey::Template, name).Set(EKey::InitHandler, &init);
    EConfirmDialog dialog(nullptr, list);
    dialog.Run();
    return 1;
}
