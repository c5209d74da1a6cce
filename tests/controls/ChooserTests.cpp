#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "DialogScript.h"
#include "EFolderBrowser.h"
#include "TempFolder.h"
#include "ViewFixture.h"

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
