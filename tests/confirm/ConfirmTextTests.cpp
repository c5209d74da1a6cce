#include <doctest/doctest.h>

#include <cstring>
#include <string>

#include "ConfirmTexts.h"
#include "Question.h"
#include "EFlags.h"
#include "FlagScope.h"
#include "TempFolder.h"
#include "TreeBuilder.h"

namespace {

// The texts in the code page, to compare with the program's own bytes.
std::string Replace(const std::string& path)
{
    return ShownInCodePage(ReplaceMessage(W(path)));
}

std::string Delete(const std::string& path, bool toBin = false)
{
    return ShownInCodePage(FileDeleteMessage(W(path), toBin));
}

std::string Folder(const std::string& path, bool toBin = false)
{
    return ShownInCodePage(FolderDeleteMessage(W(path), toBin));
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

std::string Attributed(const TempFolder& temp, const std::string& name, DWORD attributes)
{
    std::string path = temp / name;
    MakeFile(path, "x");
    SetFileAttributesA(path.c_str(), attributes);
    return path;
}

}

TEST_CASE("confirm texts: the replace message follows the existing file's attributes, system first")
{
    FlagScope english(EJapanese, 0);
    TempFolder temp;
    CHECK(Replace(Attributed(temp, "plain.txt", FILE_ATTRIBUTE_NORMAL)) ==
          "This folder already contains a file called 'plain.txt'.");
    CHECK(Replace(Attributed(temp, "ro.txt", FILE_ATTRIBUTE_READONLY)) ==
          "This folder already contains a read-only file called 'ro.txt'.");
    CHECK(Replace(Attributed(temp, "sys.txt", FILE_ATTRIBUTE_SYSTEM)) ==
          "This folder already contains a system file called 'sys.txt'.");
    CHECK(Replace(Attributed(temp, "both.txt", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM)) ==
          "This folder already contains a system file called 'both.txt'.");
    CHECK(Replace(Attributed(temp, "hid.txt", FILE_ATTRIBUTE_HIDDEN)) ==
          "This folder already contains a file called 'hid.txt'.");
}

TEST_CASE("confirm texts: the delete message follows attributes and name, read-only first")
{
    FlagScope english(EJapanese, 0);
    TempFolder temp;
    CHECK(Delete(Attributed(temp, "both.txt", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM)) ==
          "The file 'both.txt' is a read-only file. Are you sure you want to delete it?");
    CHECK(Delete(Attributed(temp, "A.COM", FILE_ATTRIBUTE_READONLY)) ==
          "The file 'A.COM' is a read-only file. Are you sure you want to delete it?");
    CHECK(Delete(Attributed(temp, "LOADER.EXE", FILE_ATTRIBUTE_NORMAL)) ==
          "The file 'LOADER.EXE' is a program.\n\nIf you remove it, you will no longer be able to run this program "
          "or edit some documents. Are you sure you want to delete it?");
    CHECK(Delete(Attributed(temp, "sys.dat", FILE_ATTRIBUTE_SYSTEM)) ==
          "The file 'sys.dat' is a system file.\n\nIf you remove it, your computer or one of your programs may no "
          "longer work correctly.");
    CHECK(Delete(Attributed(temp, "hid.txt", FILE_ATTRIBUTE_HIDDEN)) == "Are you sure you want to delete 'hid.txt'?");
    // The quotes go with the folder; a name without a folder stays whole.
    CHECK(Delete("\"" + (temp / "q.txt") + "\"") == "Are you sure you want to delete 'q.txt'?");
    CHECK(Delete("bare.txt") == "Are you sure you want to delete 'bare.txt'?");
    CHECK(Folder(temp / "sub\\inner") == "Are you sure you want to remove the folder 'inner' and all its contents?");

    // With the Recycle Bin on, each asks to move what goes there.
    CHECK(Delete(temp / "both.txt", true) ==
          "The file 'both.txt' is a read-only file. Are you sure you want to move it to the Recycle Bin?");
    CHECK(Delete(temp / "sys.dat", true) ==
          "The file 'sys.dat' is a system file.\n\nIf you remove it, your computer or one of your programs may no "
          "longer work correctly. Are you sure you want to move it to the Recycle Bin?");
    CHECK(Delete(temp / "hid.txt", true) == "Are you sure you want to move 'hid.txt' to the Recycle Bin?");
    CHECK(Folder(temp / "sub\\inner", true) ==
          "Are you sure you want to move the folder 'inner' and all its contents to the Recycle Bin?");
}

TEST_CASE("confirm texts: size lines, one decimal below 100 KB")
{
    TempFolder temp;
    struct Case {
        std::size_t bytes;
        const char* line;
    } cases[] = {
        {0, "0.0KB (0 bytes)\n"},
        {1536, "1.5KB (1536 bytes)\n"},
        {102399, "99.9KB (102399 bytes)\n"},
        {102400, "100KB (102400 bytes)\n"},
        {1048576, "1024KB (1048576 bytes)\n"},
    };
    unsigned long long ticks = TicksOf(2026, 12, 1, 12, 0, 0);
    FILETIME time = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    char stamp[EConfirmTextSize];
    REQUIRE(FileTimeText(time, stamp, sizeof stamp) == 1);
    for (const Case& c : cases) {
        CAPTURE(c.bytes);
        std::string path = temp / ("f" + std::to_string(c.bytes));
        MakeFile(path, std::string(c.bytes, 'x'), ticks);
        CHECK(SizeLine(path) == std::string(c.line) + stamp);
    }
    // Noon UTC is the same day everywhere the tests run.
    CHECK(std::string(stamp).find("2026") != std::string::npos);
}

TEST_CASE("confirm texts: sizes of 2 GiB and more keep every digit")
{
    TempFolder temp;
    REQUIRE(MakeSparse(temp / "2g", 2147483648ULL));
    REQUIRE(MakeSparse(temp / "5g", 5368709120ULL));
    CHECK(SizeLine(temp / "2g").rfind("2097152KB (2147483648 bytes)\n", 0) == 0);
    CHECK(SizeLine(temp / "5g").rfind("5242880KB (5368709120 bytes)\n", 0) == 0);
}

TEST_CASE("confirm texts: a file gone before the question says so instead of old numbers")
{
    FlagScope english(EJapanese, 0);
    TempFolder temp;
    std::wstring text = L"12.0KB (12288 bytes)";
    CHECK(FileSizeText(text, W(temp / "gone.txt")) == 0);
    CHECK(text == L"The file can no longer be found.");
    // Wildcards never find some other file.
    MakeFile(temp / "other.txt", "x");
    CHECK(FileSizeText(text, W(temp / "*.txt")) == 0);
}

TEST_CASE("confirm texts: formatting stays inside its buffer")
{
    FlagScope english(EJapanese, 0);
    char guarded[24];
    std::memset(guarded, '#', sizeof guarded);
    FILETIME time = {0, 0x01DD0000};
    CHECK(FileTimeText(time, guarded, 6) == 1);
    CHECK(std::strlen(guarded) == 5);
    CHECK(guarded[6] == '#');

    // A name longer than any short path fits the message whole.
    std::string name(300, 'n');
    CHECK(Delete("D:\\" + name) == "Are you sure you want to delete '" + name + "'?");

    // A time the calendar cannot hold gives nothing rather than garbage.
    FILETIME unconvertible = {0xFFFFFFFF, 0xFFFFFFFF};
    CHECK(FileTimeText(unconvertible, guarded, sizeof guarded) == 0);
    CHECK(guarded[0] == '\0');
}

TEST_CASE("Japanese confirm texts are the Shift-JIS forms")
{
    FlagScope japanese(EJapanese, 1);
    FlagScope doubleByte(EDoubleByte, 1);
    TempFolder temp;
    MakeFile(temp / "a.txt", "x");
    // このﾌｫﾙﾀﾞには既に a.txt というﾌｧｲﾙが存在します。現在あるﾌｧｲﾙを、新しいﾌｧｲﾙで上書きしますか?
    CHECK(Hex(Replace(temp / "a.txt")) ==
          "82B182CCCCABD9C0DE82C982CD8AF982C920612E7478742082C682A282A4CCA7B2D982AA91B68DDD82B582DC82B781428CBB8DDD82"
          "A082E9CCA7B2D982F08141905682B582A2CCA7B2D982C58FE38F9182AB82B582DC82B782A93F");
    // 'a.txt' を削除してもよろしいですか?
    CHECK(Hex(Delete(temp / "a.txt")) == "27612E747874272082F08DED8F9C82B582C482E082E682EB82B582A282C582B782A93F");
    // 'a.txt' をごみ箱に移動してもよろしいですか?
    CHECK(Hex(Delete(temp / "a.txt", true)) == "27612E747874272082F082B282DD94A082C988DA93AE82B582C482E082E682EB82B582A282C582B782A93F");
    // ﾌｧｲﾙが見つかりません。
    CHECK(Hex(SizeLine(temp / "gone.txt")) == "CCA7B2D982AA8CA982C282A982E882DC82B982F18142");
    CHECK(Hex(Folder(temp / "sub")) == "CCABD9C0DE277375622782C6CCABD9C0DE93E082CC82B782D782C482CCCCA7B2D982F08DED8F9C82B582C482E082E682EB"
                       "82B582A282C582B782A93F");
}
