#include <doctest/doctest.h>

#include <cstring>
#include <string>

#include "ConfirmTexts.h"
#include "EApplication.h"
#include "EFlags.h"
#include "FileConfirmations.h"
#include "FlagScope.h"
#include "GdiCount.h"
#include "Question.h"
#include "TempFolder.h"
#include "TreeBuilder.h"
#include "resource.h"

namespace {

// The window map and the module whose templates the questions use.
struct Application {
    Application() : application("ConfirmTests", 0, nullptr) { EApplication::instance = GetModuleHandleA(nullptr); }
    EApplication application;
};

// A folder with an empty existing file and a 1 MiB new one.
struct ReplacePair {
    ReplacePair()
    {
        MakeFile(existing, "");
        MakeFile(fresh, std::string(1048576, 'n'));
    }
    TempFolder temp;
    std::string existing = temp / "dst\\a.txt";
    std::string fresh = temp / "src\\a.txt";
};

// English questions about a fresh pair of files.
struct EnglishQuestions {
    Application app;
    FlagScope english{EJapanese, 0};
    ReplacePair files;
};

bool IconAlive(HICON icon)
{
    ICONINFO info;
    if (!GetIconInfo(icon, &info))
        return false;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return true;
}

}

TEST_CASE_FIXTURE(EnglishQuestions, "file confirmations: each button's id comes back, Esc gives Cancel")
{
    const int buttons[] = {IDYES, IDYESTOALL, IDNO, IDCANCEL};
    for (int button : buttons) {
        CAPTURE(button);
        {
            Answered answer(button);
            CHECK(ConfirmFileReplace(nullptr, W(files.fresh), W(files.existing)) == button);
            CHECK(answer.Seen() == 1);
        }
        {
            Answered answer(button);
            CHECK(ConfirmFileDelete(nullptr, W(files.existing)) == button);
            CHECK(answer.Seen() == 1);
        }
        {
            Answered answer(button);
            CHECK(ConfirmFolderDelete(nullptr, W(files.temp.Path())) == button);
            CHECK(answer.Seen() == 1);
        }
    }
    Answered escape(0, 2);
    CHECK(ConfirmFileReplace(nullptr, W(files.fresh), W(files.existing)) == IDCANCEL);
    CHECK(ConfirmFileDelete(nullptr, W(files.existing)) == IDCANCEL);
    CHECK(escape.Seen() == 2);
}

TEST_CASE_FIXTURE(EnglishQuestions, "file confirmations: the replace question shows both files")
{
    Answered answer(IDNO);
    ConfirmFileReplace(nullptr, W(files.fresh), W(files.existing));
    CHECK(answer.caption == "Confirm File Replace");
    CHECK(answer.message == "This folder already contains a file called 'a.txt'.");
    CHECK(answer.existingText.rfind("0.0KB (0 bytes)\n", 0) == 0);
    CHECK(answer.newText.rfind("1024KB (1048576 bytes)\n", 0) == 0);
    // and the write time after the size line
    CHECK(answer.existingText.size() > std::strlen("0.0KB (0 bytes)\n"));
    CHECK(answer.existingIcon != nullptr);
    CHECK(answer.newIcon != nullptr);
}

TEST_CASE_FIXTURE(EnglishQuestions, "file confirmations: the delete questions carry their caption and icon")
{
    HICON deleteIcon = LoadIconA(EApplication::instance, MAKEINTRESOURCEA(IDI_DELETE));
    REQUIRE(deleteIcon != nullptr);
    {
        Answered answer(IDNO);
        ConfirmFileDelete(nullptr, W(files.existing));
        CHECK(answer.caption == "Confirm File Delete");
        CHECK(answer.message == "Are you sure you want to delete 'a.txt'?");
        CHECK(answer.dialogIcon == deleteIcon);
    }
    {
        Answered answer(IDNO);
        ConfirmFolderDelete(nullptr, W(files.temp / "dst"));
        CHECK(answer.caption == "Confirm Folder Delete");
        CHECK(answer.message == "Are you sure you want to remove the folder 'dst' and all its contents?");
        CHECK(answer.dialogIcon == deleteIcon);
    }
}

TEST_CASE_FIXTURE(EnglishQuestions, "file confirmations: shell icons are released when the dialog closes")
{
    {
        // The first question fills the shell's caches.
        Answered answer(IDNO);
        ConfirmFileReplace(nullptr, W(files.fresh), W(files.existing));
    }
    GdiCount before;
    for (int i = 0; i < 3; i++) {
        Answered answer(IDNO);
        ConfirmFileReplace(nullptr, W(files.fresh), W(files.existing));
        REQUIRE(answer.existingIcon != nullptr);
        REQUIRE(answer.newIcon != nullptr);
        CHECK_FALSE(IconAlive(answer.existingIcon));
        CHECK_FALSE(IconAlive(answer.newIcon));
    }
    GdiCount after;
    INFO("counted by ", std::string(before.method));
    CHECK(before.objects > 0);
    CHECK(after.objects == before.objects);
}

TEST_CASE_FIXTURE(EnglishQuestions, "file confirmations: a file gone before the question opens shows a clear line")
{
    DeleteFileA(files.existing.c_str());
    Answered answer(IDNO);
    ConfirmFileReplace(nullptr, W(files.fresh), W(files.existing));
    CHECK(answer.existingText == "The file can no longer be found.");
    CHECK(answer.existingIcon == nullptr);
    CHECK(answer.newText.rfind("1024KB (1048576 bytes)\n", 0) == 0);
}

TEST_CASE_FIXTURE(EnglishQuestions, "file confirmations: a question that cannot be shown answers Cancel")
{
    // A module without the templates: the fatal box, then no dialog.
    EApplication::instance = GetModuleHandleA("kernel32.dll");
    Answered answer(IDOK);
    CHECK(ConfirmFileDelete(nullptr, W(files.existing)) == IDCANCEL);
    CHECK(answer.Seen() == 1);
    CHECK(answer.caption == "Fatal");
    CHECK(PathExists(files.existing));
}

TEST_CASE("Japanese file confirmations read back in Shift-JIS")
{
    Application app;
    FlagScope japanese(EJapanese, 1);
    FlagScope doubleByte(EDoubleByte, 1);
    ReplacePair files;
    {
        Answered answer(IDNO);
        CHECK(ConfirmFileReplace(nullptr, W(files.fresh), W(files.existing)) == IDNO);
        // ﾌｧｲﾙの置換の確認
        CHECK(Hex(answer.caption) == "CCA7B2D982CC92758AB782CC8A6D9446");
        // このﾌｫﾙﾀﾞには既に a.txt というﾌｧｲﾙが存在します。...
        CHECK(Hex(answer.message).rfind("82B182CCCCABD9C0DE82C982CD8AF982C920612E7478742082C682A282A4", 0) == 0);
        CHECK(answer.existingText.rfind("0.0KB (0 bytes)\n", 0) == 0);
        CHECK(answer.newText.rfind("1024KB (1048576 bytes)\n", 0) == 0);
    }
    {
        Answered answer(IDYESTOALL);
        CHECK(ConfirmFileDelete(nullptr, W(files.existing)) == IDYESTOALL);
        // ﾌｧｲﾙの削除の確認 (the message: the confirm text tests)
        CHECK(Hex(answer.caption) == "CCA7B2D982CC8DED8F9C82CC8A6D9446");
    }
    {
        Answered answer(IDCANCEL);
        CHECK(ConfirmFolderDelete(nullptr, W(files.temp / "dst")) == IDCANCEL);
        // ﾌｫﾙﾀﾞの削除の確認
        CHECK(Hex(answer.caption) == "CCABD9C0DE82CC8DED8F9C82CC8A6D9446");
    }
}

namespace {

// The questions about files of these names show each name as it is, and
// the replace question finds the new file's size and icon.
void CheckRealNames(std::initializer_list<const wchar_t*> names)
{
    Application app;
    TempFolder temp;
    for (const wchar_t* name : names) {
        std::wstring existing = LongForm(temp / "dst\\") + name, fresh = LongForm(temp / "src\\") + name;
        REQUIRE((MakeFileW(existing) && MakeFileW(fresh, std::string(1536, 'x'))));
        {
            Answered replace(IDNO);
            ConfirmFileReplace(nullptr, ShownPath(fresh), ShownPath(existing));
            CHECK(replace.wideMessage.find(name) != std::wstring::npos);
            CHECK(replace.wideNewText.rfind(L"1.5KB (1536 bytes)\n", 0) == 0);
            CHECK(replace.newIcon != nullptr);
        }
        Answered remove(IDNO);
        ConfirmFileDelete(nullptr, ShownPath(existing));
        CHECK(remove.wideMessage.find(std::wstring(L"'") + name + L"'") != std::wstring::npos);
    }
}

LRESULT CALLBACK AnsiOnly(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

// What ShowWideText leaves in a window of an ANSI procedure of its own
// (DefWindowProcA itself would keep wide text), read back in the code page.
std::string ShownByAnsiWindow(const std::wstring& text)
{
    WNDCLASSA type = {0, AnsiOnly, 0, 0, GetModuleHandleA(nullptr), nullptr, nullptr, nullptr, nullptr, "AnsiOnly"};
    RegisterClassA(&type);
    HWND window = CreateWindowA("AnsiOnly", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, type.hInstance, nullptr);
    ShowWideText(window, text);
    char shown[256] = "";
    GetWindowTextA(window, shown, sizeof shown);
    DestroyWindow(window);
    return shown;
}

}

TEST_CASE("file confirmations: names the code page lacks show as they are, '?' in an ANSI-only window")
{
    FlagScope english(EJapanese, 0);
    // 日本語.txt, 📷 photo.txt, and a name the short form cannot reach.
    CheckRealNames({L"\u65E5\u672C\u8A9E.txt", L"\U0001F4F7 photo.txt", L"notes."});
    CHECK(ShownByAnsiWindow(L"\u65E5\u672C\u8A9E.txt") == "???.txt");
}

TEST_CASE("Japanese file confirmations show names with e-acute, sharp s and emoji as they are")
{
    FlagScope japanese(EJapanese, 1);
    FlagScope doubleByte(EDoubleByte, 1);
    // café.txt, Straße.txt, 📷.txt
    CheckRealNames({L"caf\u00E9.txt", L"Stra\u00DFe.txt", L"\U0001F4F7.txt"});
    CHECK(ShownByAnsiWindow(L"caf\u00E9 \u5199\u771F.txt") == "caf? \x8E\xCA\x90\x5E.txt");
}
