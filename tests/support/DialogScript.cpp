#include "DialogScript.h"

#include <commctrl.h>
#include <dlgs.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "resource.h"

namespace {

DialogScript* active = nullptr;

bool IsDialog(HWND window)
{
    char name[32] = "";
    return GetClassNameA(window, name, sizeof name) && std::strcmp(name, "#32770") == 0;
}

struct Search {
    const std::vector<HWND>* handled;
    HWND found;
};

BOOL CALLBACK FindNew(HWND window, LPARAM lParam)
{
    Search* search = reinterpret_cast<Search*>(lParam);
    if (!IsDialog(window) || !IsWindowVisible(window) || !IsWindowEnabled(window))
        return TRUE;
    if (std::find(search->handled->begin(), search->handled->end(), window) != search->handled->end())
        return TRUE;
    search->found = window;
    return FALSE;
}

// The message of a box or a confirmation: its text item, else the longest
// static text.
std::string MessageOf(HWND dialog)
{
    char text[1024] = "";
    if (GetDlgItemTextA(dialog, IDC_CONFIRM_TEXT, text, sizeof text) || GetDlgItemTextA(dialog, 0xFFFF, text, sizeof text))
        return text;
    std::string longest;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[32] = "";
        GetClassNameA(child, name, sizeof name);
        if (lstrcmpiA(name, "Static") == 0 && GetWindowTextA(child, text, sizeof text) &&
            std::strlen(text) > longest.size())
            longest = text;
    }
    return longest;
}

std::string SelectedTreeName(HWND dialog)
{
    HWND tree = FindWindowExA(dialog, nullptr, WC_TREEVIEWA, nullptr);
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

}

DialogScript::DialogScript(std::deque<Step> script) : steps(std::move(script))
{
    active = this;
    timer = SetTimer(nullptr, 0, 20, Tick);
}

DialogScript::~DialogScript()
{
    KillTimer(nullptr, timer);
    active = nullptr;
}

std::vector<std::string> DialogScript::Captions() const
{
    std::vector<std::string> captions;
    for (const Seen& one : seen)
        captions.push_back(one.caption);
    return captions;
}

void CALLBACK DialogScript::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    // A step that pumps messages brings the next tick in here.
    DialogScript* script = active;
    if (!script || script->running)
        return;
    script->running = true;
    script->Answer();
    script->running = false;
}

HWND DialogScript::NewDialog()
{
    Search search = {&handled, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindNew, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void DialogScript::Answer()
{
    if (current && !IsWindow(current))
        current = nullptr;
    if (!current) {
        current = NewDialog();
        if (!current)
            return;
        seen.push_back(Seen{Caption(current), MessageOf(current)});
        ticks = 0;
    }
    // A step that never completes (a chooser that does not fill) cancels
    // after five seconds by default, so a test fails instead of hanging.
    bool timedOut = !steps.empty() && ++ticks > patience;
    if (steps.empty() || timedOut) {
        unexpected++;
        PostMessageA(current, WM_COMMAND, IDCANCEL, 0);
    } else if (!steps.front()(current)) {
        return;
    }
    if (!steps.empty())
        steps.pop_front();
    handled.push_back(current);
    current = nullptr;
}

DialogScript::Step DialogScript::Press(int id)
{
    return [id](HWND dialog) {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
        return true;
    };
}

DialogScript::Step DialogScript::Press(std::initializer_list<int> ids)
{
    std::vector<int> all(ids);
    return [all](HWND dialog) {
        for (int id : all)
            Press(id)(dialog);
        return true;
    };
}

DialogScript::Step DialogScript::Post(UINT message, WPARAM wParam, LPARAM lParam)
{
    return [message, wParam, lParam](HWND dialog) {
        PostMessageA(dialog, message, wParam, lParam);
        return true;
    };
}

DialogScript::Step DialogScript::Look(std::function<void(HWND)> look, Step answer)
{
    return [look, answer](HWND dialog) {
        look(dialog);
        return answer(dialog);
    };
}

std::string DialogScript::Caption(HWND dialog)
{
    char caption[256] = "";
    GetWindowTextA(dialog, caption, sizeof caption);
    return caption;
}

std::string DialogScript::ItemText(HWND dialog, int id)
{
    char text[1024] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

std::wstring DialogScript::WideItemText(HWND dialog, int id)
{
    wchar_t text[1024] = L"";
    return std::wstring(text, GetDlgItemTextW(dialog, id, text, 1024));
}

DialogScript::Step DialogScript::ChooseFile(const std::string& path)
{
    std::wstring wide(MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    wide.pop_back();
    return ChooseWideFile(wide);
}

DialogScript::Step DialogScript::ChooseWideFile(const std::wstring& path)
{
    return [path](HWND dialog) {
        HWND box = GetDlgItem(dialog, cmb13);
        if (!box)
            box = GetDlgItem(dialog, edt1);
        if (!box)
            return false;
        SetWindowTextW(box, path.c_str());
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        return true;
    };
}

DialogScript::Step DialogScript::ChooseFolder(const std::string& path)
{
    // The chooser fills its tree after it shows, and a selection made before
    // is lost: select until the tree shows the folder.
    return [path](HWND dialog) {
        SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
        if (SelectedTreeName(dialog) != path.substr(path.find_last_of('\\') + 1))
            return false;
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        return true;
    };
}
