#include "FolderIndex.h"
#include "PathText.h"

#include "TempFolder.h"
#include "TreeBuilder.h"

#include <doctest/doctest.h>

#include <windows.h>

#include <string>

namespace {

std::wstring InvariantUpper(const std::wstring& text)
{
    wchar_t upper[EPathSize];
    int length = LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, text.c_str(), static_cast<int>(text.size()), upper,
                              EPathSize);
    return std::wstring(upper, static_cast<std::size_t>(length > 0 ? length : 0));
}

}

TEST_CASE("folded names match the system's upper case for plain and accented names")
{
    std::wstring ascii;
    for (wchar_t c = 0x20; c < 0x7F; ++c)
        ascii += c;
    CHECK(FoldedName(ascii) == InvariantUpper(ascii));
    CHECK(FoldedName(L"\u00E9t\u00E9.txt") == L"\u00C9T\u00C9.TXT");
}

TEST_CASE("a listing finds names with letter case ignored and gives their code-page form")
{
    REQUIRE(GetACP() == 1252);
    TempFolder temp;
    MakeFile(temp / "Read Me.TXT", "a");
    MakeFile(temp / "\xE9t\xE9.txt", "b");
    MakeFolder(temp / "Sub");
    MakeFolder(temp / "RECYCLER");
    FolderIndex index;
    REQUIRE(index.Read(temp.Path().c_str()) == FolderIndex::Listed);
    CHECK(index.Entries().size() == 3);

    const FolderEntry* plain = index.Find(L"read me.txt");
    REQUIRE(plain != nullptr);
    CHECK(plain->name == "Read Me.TXT");
    CHECK(plain->representable);
    CHECK_FALSE(plain->IsFolder());

    const FolderEntry* accented = index.Find(L"\u00C9T\u00C9.TXT");
    REQUIRE(accented != nullptr);
    CHECK(accented->name == "\xE9t\xE9.txt");
    CHECK(accented->wide == L"\u00E9t\u00E9.txt");
    CHECK(accented->representable);

    const FolderEntry* folder = index.Find(L"sUB");
    REQUIRE(folder != nullptr);
    CHECK(folder->IsFolder());
    CHECK(index.Find(L"ete.txt") == nullptr);
    CHECK(index.Find(L"Read Me.TX") == nullptr);
    CHECK(index.Find(L"recycler") == nullptr);

    // A name the code page lacks is listed, but flagged.
    // The temporary folder's path is plain ASCII.
    std::wstring omega = std::wstring(temp.Path().begin(), temp.Path().end()) + L"\\\u03A9";
    REQUIRE(CreateDirectoryW(omega.c_str(), nullptr));
    FolderIndex::Status status = index.Read(temp.Path().c_str());
    // The temporary folder's own clean-up goes by ANSI names and cannot reach it.
    RemoveDirectoryW(omega.c_str());
    REQUIRE(status == FolderIndex::Listed);
    const FolderEntry* found = index.Find(L"\u03C9");
    REQUIRE(found != nullptr);
    CHECK_FALSE(found->representable);
}
