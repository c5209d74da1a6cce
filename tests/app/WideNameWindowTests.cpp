#include <doctest/doctest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "DialogScript.h"
#include "EBitmapButton.h"
#include "MainWindowFixture.h"
#include "TestProcess.h"
#include "TreeBuilder.h"
#include "TreeSnapshot.h"

TEST_CASE("main window: names outside the code page and a deep branch sync both ways and are pruned (both languages)")
{
    // Names the system's code page cannot show, and in a Japanese system
    // folders whose last byte in Shift-JIS is a backslash (表, ソ).
    std::vector<std::wstring> names;
    if (GetACP() == 932)
        names = {L"caf\u00E9.txt", L"Stra\u00DFe.doc", L"\U0001F600.txt", L"\u8868\\\u30BD\\inner.txt"};
    else
        names = {L"\u65E5\u672C\u8A9E.txt", L"\uD55C\uAD6D\uC5B4.txt", L"\U0001F600.txt"};
    std::wstring deep;
    for (wchar_t letter = L'a'; letter < L'g'; ++letter)
        deep += std::wstring(100, letter) + L"\\";
    names.push_back(deep + L"leaf.txt");

    MainWindowFixture f;
    const std::string& source = f.source;
    const std::string& destination = f.destination;
    std::string empty = f.trees / "empty";
    MakeFolder(empty);
    MakeFolder(destination);
    const char* flags = "DELETE=Y\r\nDOSTIME=N\r\nFORCE=Y\r\nEXCLUDEOBJ=N\r\n";
    // The last set of the file comes first.
    f.Open(SetText("Empty", empty, destination, flags) + SetText("Names", source, destination, flags));
    for (const std::wstring& name : names)
        REQUIRE(MakeFileW(LongForm(source) + L"\\" + name, "down", TicksOf(2022, 1, 1)));

    DialogScript down({DialogScript::Press(IDOK)});
    f.Click(f.window->DownButton());
    // The success report, and nothing else.
    CHECK(down.Captions().size() == 1);
    CHECK(down.unexpected == 0);
    // Every file there is its source's copy, and none is missing.
    CHECK(FilesUnlikeSource(Snapshot(source), Snapshot(destination)).empty());
    CHECK(Snapshot(destination).size() == Snapshot(source).size());
    CHECK(f.CountRows("copy") == static_cast<int>(names.size()));

    // Newer on the destination side: UP brings them back.
    for (const std::wstring& name : names)
        REQUIRE(MakeFileW(LongForm(destination) + L"\\" + name, "up", TicksOf(2023, 1, 1)));
    // The bin takes no path as long as the deep branch's: asked once, Yes.
    DialogScript up({DialogScript::Press(IDYES), DialogScript::Press(IDOK)});
    f.Click(f.window->UpButton());
    CHECK(up.unexpected == 0);
    CHECK(FilesUnlikeSource(Snapshot(destination), Snapshot(source)).empty());
    CHECK(ReadWholeFileW(LongForm(source) + L"\\" + names[0]) == "up");

    // Against an empty source every one of them is an orphan, once the
    // deletion guard has had its answer.
    f.ChooseName(1);
    // The bin takes the deep branch whole, by its top folder.
    DialogScript prune({DialogScript::Press(IDYES), DialogScript::Press(IDOK)});
    f.Click(f.window->DownButton());
    CHECK(prune.unexpected == 0);
    CHECK(Snapshot(destination).empty());
    f.Close();
}
