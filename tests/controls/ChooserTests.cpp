#include <doctest/doctest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cstring>
#include <string>

#include "EFolderBrowser.h"
#include "TempFolder.h"
#include "TestWindow.h"

namespace {

// Answers the chooser in-process: when a dialog activates, select the
// folder (if any) and press OK, or press Cancel.
struct Answer {
    static HHOOK hook;
    static bool ok;
    static std::string folder;
    static int dialogs;

    Answer(bool pressOk, const std::string& select)
    {
        ok = pressOk;
        folder = select;
        dialogs = 0;
        hook = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
    }
    ~Answer() { UnhookWindowsHookEx(hook); }

    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_ACTIVATE) {
            HWND window = reinterpret_cast<HWND>(wParam);
            char name[32] = "";
            GetClassNameA(window, name, sizeof name);
            if (std::strcmp(name, "#32770") == 0) {
                dialogs++;
                ticks = 0;
                SetTimer(window, 1, 20, Tick);
            }
        }
        return CallNextHookEx(hook, code, wParam, lParam);
    }

    // The dialog may fill its tree after it is activated, and a selection
    // made before is lost: select until the tree shows the folder (or time
    // runs out), then answer.
    static void CALLBACK Tick(HWND window, UINT, UINT_PTR timer, DWORD)
    {
        bool done = !ok || folder.empty() || ++ticks > 250;
        if (!done) {
            SendMessageA(window, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(folder.c_str()));
            done = SelectedName(window) == folder.substr(folder.find_last_of('\\') + 1);
        }
        if (!done)
            return;
        KillTimer(window, timer);
        PostMessageA(window, WM_COMMAND, ok ? IDOK : IDCANCEL, 0);
    }

    static std::string SelectedName(HWND window)
    {
        HWND tree = FindWindowExA(window, nullptr, WC_TREEVIEWA, nullptr);
        char text[MAX_PATH] = "";
        TVITEMA item = {};
        item.mask = TVIF_TEXT;
        item.hItem = tree ? reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0)) : nullptr;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        if (item.hItem)
            SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        return text;
    }
    static int ticks;
};

HHOOK Answer::hook;
int Answer::ticks;
bool Answer::ok;
std::string Answer::folder;
int Answer::dialogs;

}

TEST_CASE("folder browser: a chosen folder comes back; Cancel gives none")
{
    TempFolder folder;
    TestWindow window;
    EFolderBrowser browser(window.handle, "Choose a folder");
    char path[MAX_PATH] = "unchanged";
    CHECK(browser.GetPath(path, sizeof path) == 1);
    CHECK(path[0] == '\0');
    {
        Answer answer(true, folder.Path());
        CHECK(browser.Browse() == 1);
        CHECK(Answer::dialogs == 1);
    }
    CHECK(browser.GetPath(path, sizeof path) == 1);
    CAPTURE(path);
    CHECK(lstrcmpiA(path, folder.Path().c_str()) == 0);

    // A destination too small gets nothing rather than a cut path.
    char small[4] = "abc";
    CHECK(browser.GetPath(small, sizeof small) == 0);
    CHECK(small[0] == '\0');

    {
        Answer answer(false, folder.Path());
        CHECK(browser.Browse() == 0);
        CHECK(Answer::dialogs == 1);
    }
    CHECK(browser.GetPath(path, sizeof path) == 1);
    CHECK(path[0] == '\0');
}
