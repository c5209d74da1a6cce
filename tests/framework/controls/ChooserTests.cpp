#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "DialogScript.h"
#include "EFileDialog.h"
#include "EFolderBrowser.h"
#include "TempFolder.h"
#include "ViewFixture.h"

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
    CHECK(std::string(request.lpstrFilter, EFilterLength(request.lpstrFilter)) ==
          std::string("INI Files(*.ini)\0*.ini\0\0", 24));
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
    // The second Save notes the name it proposes and is cancelled.
    std::string shown;
    auto note = [&shown](HWND dialog) {
        shown = DialogScript::ItemText(dialog, GetDlgItem(dialog, cmb13) ? cmb13 : edt1);
    };
    DialogScript answer(
        {DialogScript::ChooseFile(folder / "other"), DialogScript::Look(note, DialogScript::Press(IDCANCEL))});
    CHECK(dialog.Save() != 0);
    CHECK(lstrcmpiA(dialog.FileName(), (folder / "other.ini").c_str()) == 0);
    CHECK(dialog.Save() == 0);
    CHECK(shown.find("other") != std::string::npos);
    // Cancel keeps the path.
    CHECK(lstrcmpiA(dialog.FileName(), (folder / "other.ini").c_str()) == 0);
    CHECK(answer.unexpected == 0);
}

// The main window's folder buttons show a chosen folder coming back.
TEST_CASE("folder browser: a destination too small gets nothing rather than a cut path; Cancel gives none")
{
    TempFolder folder;
    ViewFixture window;
    EFolderBrowser browser(window.view.Handle(), "Choose a folder");
    char path[MAX_PATH] = "unchanged";
    CHECK(browser.GetPath(path, sizeof path) == 1);
    CHECK(path[0] == '\0');
    DialogScript answer({DialogScript::ChooseFolder(folder.Path()), DialogScript::Press(IDCANCEL)});
    CHECK(browser.Browse() == 1);
    char small[4] = "abc";
    CHECK(browser.GetPath(small, sizeof small) == 0);
    CHECK(small[0] == '\0');

    CHECK(browser.Browse() == 0);
    CHECK(browser.GetPath(path, sizeof path) == 1);
    CHECK(path[0] == '\0');
    CHECK(answer.unexpected == 0);
}
