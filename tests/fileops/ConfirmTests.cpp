#include <doctest/doctest.h>

#include <cstring>
#include <string>

#include "ConfirmTexts.h"
#include "DialogScript.h"
#include "EApplication.h"
#include "EFlags.h"
#include "FileConfirmations.h"
#include "FlagScope.h"
#include "GdiCount.h"
#include "TempFolder.h"
#include "TreeBuilder.h"
#include "WidePath.h"
#include "resource.h"

namespace {

std::wstring W(const std::string& text) { return Widen(text.c_str()); }

// Answers the next questions this thread asks with the button (Esc when it
// is 0), keeping what the last one showed: the message and the new file's
// details also as the wide calls read them.
struct Answered {
    explicit Answered(int button, int questions = 1)
        : script(std::deque<DialogScript::Step>(questions, DialogScript::Look([this](HWND dialog) { Read(dialog); },
              button ? DialogScript::Press(button) : DialogScript::Post(WM_KEYDOWN, VK_ESCAPE))))
    {
    }
    void Read(HWND dialog)
    {
        auto icon = [dialog](int item) {
            return reinterpret_cast<HICON>(SendDlgItemMessageA(dialog, item, STM_GETIMAGE, IMAGE_ICON, 0));
        };
        caption = DialogScript::Caption(dialog);
        newText = DialogScript::ItemText(dialog, IDC_NEW_TEXT);
        wideMessage = DialogScript::WideItemText(dialog, IDC_CONFIRM_TEXT);
        wideNewText = DialogScript::WideItemText(dialog, IDC_NEW_TEXT);
        existingIcon = icon(IDC_EXISTING_ICON);
        newIcon = icon(IDC_NEW_ICON);
    }
    std::string caption, newText;
    std::wstring wideMessage, wideNewText;
    HICON existingIcon = nullptr, newIcon = nullptr;
    DialogScript script;
};

// The window map, the module whose templates the questions use, and a
// folder with an empty existing file and a 1 MiB new one. English unless a
// case sets the flag again.
struct Questions {
    Questions() : application("ConfirmTests", 0, nullptr)
    {
        EApplication::instance = GetModuleHandleA(nullptr);
        MakeFile(existing, "");
        MakeFile(fresh, std::string(1048576, 'n'));
    }
    EApplication application;
    FlagScope english{EJapanese, 0};
    TempFolder temp;
    std::string existing = temp / "dst\\a.txt";
    std::string fresh = temp / "src\\a.txt";
};

// The text in the code page, to compare with the program's own bytes.
std::string Delete(const std::string& path, bool toBin = false)
{
    return ShownInCodePage(FileDeleteMessage(W(path), toBin));
}

std::string SizeLine(const std::string& path)
{
    std::wstring text = L"stale";
    FileSizeText(text, W(path));
    return ShownInCodePage(text);
}

// A file of the given size whose clusters are never written.
bool MakeSparse(const std::string& path, unsigned long long size)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    bool made = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    return made;
}

}

// The main window's session presses each button of the replace and delete
// questions and checks what happens to the files; Esc is left to here.
TEST_CASE_FIXTURE(Questions, "file confirmations: Esc gives Cancel")
{
    Answered escape(0, 3);
    CHECK(ConfirmFolderDelete(nullptr, W(temp.Path())) == IDCANCEL);
    CHECK(ConfirmFileReplace(nullptr, W(fresh), W(existing)) == IDCANCEL);
    CHECK(ConfirmFileDelete(nullptr, W(existing)) == IDCANCEL);
    CHECK(escape.script.seen.size() == 3);
    CHECK(escape.caption == "Confirm File Delete");
}

TEST_CASE_FIXTURE(Questions, "file confirmations: shell icons are released when the dialog closes")
{
    {
        // The first question fills the shell's caches.
        Answered answer(IDNO);
        ConfirmFileReplace(nullptr, W(fresh), W(existing));
    }
    GdiCount before;
    for (int i = 0; i < 3; i++) {
        Answered answer(IDNO);
        ConfirmFileReplace(nullptr, W(fresh), W(existing));
        REQUIRE(answer.existingIcon != nullptr);
        REQUIRE(answer.newIcon != nullptr);
        // Released already: nothing left to destroy.
        CHECK_FALSE(DestroyIcon(answer.existingIcon));
        CHECK_FALSE(DestroyIcon(answer.newIcon));
    }
    GdiCount after;
    INFO("counted by ", std::string(before.method));
    CHECK(before.objects > 0);
    CHECK(after.objects == before.objects);
}

TEST_CASE_FIXTURE(Questions, "file confirmations: a question that cannot be shown answers Cancel")
{
    // A module without the templates: the fatal box, then no dialog.
    EApplication::instance = GetModuleHandleA("kernel32.dll");
    Answered answer(IDOK);
    CHECK(ConfirmFileDelete(nullptr, W(existing)) == IDCANCEL);
    CHECK(answer.script.seen.size() == 1);
    CHECK(answer.caption == "Fatal");
    CHECK(PathExists(existing));
}

TEST_CASE_FIXTURE(Questions, "Japanese file confirmations read back in Shift-JIS")
{
    FlagScope japanese(EJapanese, 1);
    FlagScope doubleByte(EDoubleByte, 1);
    Answered answer(IDNO);
    CHECK(ConfirmFileReplace(nullptr, W(fresh), W(existing)) == IDNO);
    // ﾌｧｲﾙの置換の確認
    CHECK(answer.caption == "\xCC\xA7\xB2\xD9\x82\xCC\x92\x75\x8A\xB7\x82\xCC\x8A\x6D\x94\x46");
    CHECK(answer.newText.rfind("1024KB (1048576 bytes)\n", 0) == 0);
}

namespace {

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

TEST_CASE_FIXTURE(Questions, "file confirmations: names the code page lacks show as they are, '?' in an ANSI-only window")
{
    // 日本語.txt, 📷 photo.txt, and a name the short form cannot reach: each
    // shown as it is, and the replace question finds the new file's size and
    // icon.
    for (const wchar_t* name : {L"\u65E5\u672C\u8A9E.txt", L"\U0001F4F7 photo.txt", L"notes."}) {
        std::wstring old = LongForm(temp / "dst\\") + name, fromSource = LongForm(temp / "src\\") + name;
        REQUIRE((MakeFileW(old) && MakeFileW(fromSource, std::string(1536, 'x'))));
        Answered answer(IDNO, 2);
        ConfirmFileReplace(nullptr, ShownPath(fromSource), ShownPath(old));
        CHECK(answer.wideMessage.find(name) != std::wstring::npos);
        CHECK(answer.wideNewText.rfind(L"1.5KB (1536 bytes)\n", 0) == 0);
        CHECK(answer.newIcon != nullptr);
        ConfirmFileDelete(nullptr, ShownPath(old));
        CHECK(answer.wideMessage.find(std::wstring(L"'") + name + L"'") != std::wstring::npos);
    }
    CHECK(ShownByAnsiWindow(L"\u65E5\u672C\u8A9E.txt") == "???.txt");
}

TEST_CASE_FIXTURE(Questions, "confirm texts: the messages follow the file's attributes and name, and the Recycle Bin")
{
    const std::string program = "\n\nIf you remove it, you will no longer be able to run this program or edit some "
                                "documents. Are you sure you want to delete it?";
    const std::string system = "\n\nIf you remove it, your computer or one of your programs may no longer work "
                               "correctly.";
    struct {
        const char* name;
        DWORD attributes;
        const char* replaced;  // "a [...]file called"
        std::string deleted, binned;
    } cases[] = {
        {"plain.txt", FILE_ATTRIBUTE_NORMAL, "a ", "Are you sure you want to delete 'plain.txt'?",
         "Are you sure you want to move 'plain.txt' to the Recycle Bin?"},
        // Read-only comes before a program's name.
        {"A.COM", FILE_ATTRIBUTE_READONLY, "a read-only ",
         "The file 'A.COM' is a read-only file. Are you sure you want to delete it?",
         "The file 'A.COM' is a read-only file. Are you sure you want to move it to the Recycle Bin?"},
        {"both.txt", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM, "a system ",
         "The file 'both.txt' is a read-only file. Are you sure you want to delete it?",
         "The file 'both.txt' is a read-only file. Are you sure you want to move it to the Recycle Bin?"},
        {"sys.dat", FILE_ATTRIBUTE_SYSTEM, "a system ", "The file 'sys.dat' is a system file." + system,
         "The file 'sys.dat' is a system file." + system + " Are you sure you want to move it to the Recycle Bin?"},
        {"hid.txt", FILE_ATTRIBUTE_HIDDEN, "a ", "Are you sure you want to delete 'hid.txt'?",
         "Are you sure you want to move 'hid.txt' to the Recycle Bin?"},
        {"LOADER.EXE", FILE_ATTRIBUTE_NORMAL, "a ", "The file 'LOADER.EXE' is a program." + program, ""},
    };
    for (const auto& c : cases) {
        CAPTURE(c.name);
        std::string path = temp / c.name;
        MakeFile(path, "x");
        SetFileAttributesA(path.c_str(), c.attributes);
        CHECK(ShownInCodePage(ReplaceMessage(W(path))) ==
              std::string("This folder already contains ") + c.replaced + "file called '" + c.name + "'.");
        CHECK(Delete(path) == c.deleted);
        if (!c.binned.empty())
            CHECK(Delete(path, true) == c.binned);
    }
    // The quotes go with the folder; a name without a folder stays whole.
    CHECK(Delete("\"" + (temp / "q.txt") + "\"") == "Are you sure you want to delete 'q.txt'?");
    CHECK(Delete("bare.txt") == "Are you sure you want to delete 'bare.txt'?");
    CHECK(ShownInCodePage(FolderDeleteMessage(W(temp / "sub\\inner"), false)) ==
          "Are you sure you want to remove the folder 'inner' and all its contents?");
    CHECK(ShownInCodePage(FolderDeleteMessage(W(temp / "sub\\inner"), true)) ==
          "Are you sure you want to move the folder 'inner' and all its contents to the Recycle Bin?");
}

TEST_CASE_FIXTURE(Questions, "confirm texts: size lines below 100 KB and past 2 GiB, a file gone, and buffers kept")
{
    struct Case {
        std::size_t bytes;
        const char* line;
    } cases[] = {
        {0, "0.0KB (0 bytes)\n"},
        {1536, "1.5KB (1536 bytes)\n"},
        {102399, "99.9KB (102399 bytes)\n"},
        {102400, "100KB (102400 bytes)\n"},
    };
    unsigned long long ticks = TicksOf(2026, 12, 1, 12, 0, 0);
    FILETIME time = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    char stamp[EConfirmTextSize];
    REQUIRE(FileTimeText(time, stamp, sizeof stamp) == 1);
    // Noon UTC is the same day everywhere the tests run.
    CHECK(std::string(stamp).find("2026") != std::string::npos);
    for (const Case& c : cases) {
        CAPTURE(c.bytes);
        std::string path = temp / ("f" + std::to_string(c.bytes));
        MakeFile(path, std::string(c.bytes, 'x'), ticks);
        CHECK(SizeLine(path) == std::string(c.line) + stamp);
    }
    REQUIRE(MakeSparse(temp / "2g", 2147483648ULL));
    REQUIRE(MakeSparse(temp / "5g", 5368709120ULL));
    CHECK(SizeLine(temp / "2g").rfind("2097152KB (2147483648 bytes)\n", 0) == 0);
    CHECK(SizeLine(temp / "5g").rfind("5242880KB (5368709120 bytes)\n", 0) == 0);

    // Not old numbers; and wildcards never find some other file.
    std::wstring text = L"12.0KB (12288 bytes)";
    CHECK(FileSizeText(text, W(temp / "gone.txt")) == 0);
    CHECK(text == L"The file can no longer be found.");
    MakeFile(temp / "other.txt", "x");
    CHECK(FileSizeText(text, W(temp / "*.txt")) == 0);

    char guarded[24];
    std::memset(guarded, '#', sizeof guarded);
    CHECK(FileTimeText(FILETIME{0, 0x01DD0000}, guarded, 6) == 1);
    CHECK(std::strlen(guarded) == 5);
    CHECK(guarded[6] == '#');
    // A name longer than any short path fits the message whole.
    std::string name(300, 'n');
    CHECK(Delete("D:\\" + name) == "Are you sure you want to delete '" + name + "'?");
    // A time the calendar cannot hold gives nothing rather than garbage.
    CHECK(FileTimeText(FILETIME{0xFFFFFFFF, 0xFFFFFFFF}, guarded, sizeof guarded) == 0);
    CHECK(guarded[0] == '\0');
}
