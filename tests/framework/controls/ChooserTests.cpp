#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "DialogScript.h"
#include "EFileDialog.h"
#include "EFolderBrowser.h"
#include "TempFolder.h"
#include "ViewFixture.h"

namespace {

// Cancels a file dialog, noting the name it proposed.
DialogScript::Step CancelNoting(std::string& shown)
{
    return [&shown](HWND dialog) {
        HWND box = GetDlgItem(dialog, cmb13);
        char text[MAX_PATH] = "";
        GetWindowTextA(box ? box : GetDlgItem(dialog, edt1), text, sizeof text);
        shown = text;
        return DialogScript::Press(IDCANCEL)(dialog);
    };
}

std::string Filter(const char* list)
{
    return std::string(list, EFilterLength(list));
}

}

TEST_CASE("file dialog: the request keeps copies of the caller's texts")
{
    char filter[] = "INI Files(*.ini)\0*.ini\0";
    std::string extension = "ini";
    EAttributeList list;
    list.Set(EKey::Filter, filter).Set(EKey::DefaultExtension, extension.c_str()).Set(EKey::Title, "Open INI file");
    EFileDialog dialog(nullptr, "", list);
    filter[0] = 'X';
    extension = "zzz";
    const OPENFILENAMEA& request = dialog.Request();
    CHECK(Filter(request.lpstrFilter) == std::string("INI Files(*.ini)\0*.ini\0\0", 24));
    CHECK(std::string(request.lpstrDefExt) == "ini");
    dialog.SetTitle("Save INI file");
    CHECK(std::string(dialog.Request().lpstrTitle) == "Save INI file");
    CHECK(EFilterLength(std::string("\0\0", 2).c_str()) == 2);
}

// Open, Save As and Cancel are driven through the main window's menu; here
// what it does not reach.
TEST_CASE("file dialog: a name without extension gets the default one; Save proposes the last file")
{
    ViewFixture fixture;
    TempFolder folder;
    EAttributeList list;
    list.Set(EKey::DefaultExtension, "ini").Set(EKey::Flags, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    EFileDialog dialog(&fixture.view, "", list);
    std::string shown;
    DialogScript answer({DialogScript::ChooseFile(folder / "other"), CancelNoting(shown)});
    CHECK(dialog.Save() != 0);
    CHECK(lstrcmpiA(dialog.FileName(), (folder / "other.ini").c_str()) == 0);
    CHECK(dialog.Save() == 0);
    CHECK(shown.find("other") != std::string::npos);
    // Cancel keeps the path.
    CHECK(lstrcmpiA(dialog.FileName(), (folder / "other.ini").c_str()) == 0);
    CHECK(answer.unexpected == 0);
}

TEST_CASE("folder browser: a chosen folder comes back; Cancel gives none")
{
    TempFolder folder;
    ViewFixture window;
    EFolderBrowser browser(window.view.Handle(), "Choose a folder");
    char path[MAX_PATH] = "unchanged";
    CHECK(browser.GetPath(path, sizeof path) == 1);
    CHECK(path[0] == '\0');
    {
        DialogScript answer({DialogScript::ChooseFolder(folder.Path())});
        CHECK(browser.Browse() == 1);
        CHECK(answer.seen.size() == 1);
        CHECK(answer.unexpected == 0);
    }
    CHECK(browser.GetPath(path, sizeof path) == 1);
    CAPTURE(path);
    CHECK(lstrcmpiA(path, folder.Path().c_str()) == 0);

    // A destination too small gets nothing rather than a cut path.
    char small[4] = "abc";
    CHECK(browser.GetPath(small, sizeof small) == 0);
    CHECK(small[0] == '\0');

    {
        DialogScript answer({DialogScript::Press(IDCANCEL)});
        CHECK(browser.Browse() == 0);
        CHECK(answer.seen.size() == 1);
    }
    CHECK(browser.GetPath(path, sizeof path) == 1);
    CHECK(path[0] == '\0');
}
