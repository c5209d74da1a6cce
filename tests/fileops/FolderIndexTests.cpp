#include "FolderIndex.h"
#include "WidePath.h"

#include "TempFolder.h"
#include "TreeBuilder.h"

#include <doctest/doctest.h>

#include <windows.h>

#include <string>
#include <vector>

TEST_CASE("a listing matches names case-blind over the whole character set and keeps leftovers apart")
{
    TempFolder temp;
    std::wstring folder = LongPath(Widen(temp.Path().c_str()));
    MakeFile(temp / "Read Me.TXT", "a");
    MakeFolder(temp / "Sub");
    MakeFolder(temp / "RECYCLER");
    MakeFile(temp / "~omb1F-2A.tmp", "half a copy");
    MakeFile(temp / "~omb.tmp", "the user's");
    struct Row {
        const wchar_t* name;
        const wchar_t* asked;   // nullptr: not found
    } rows[] = {
        {L"\u03A9\u03BC\u03AD\u03B3\u03B1.txt", L"\u03C9\u03BC\u03AD\u03B3\u03B1.TXT"},   // Greek
        {L"\u0416\u0443\u043A", L"\u0436\u0423\u041A"},                                       // Cyrillic
        {L"\uFF21\uFF22.txt", L"\uFF41\uFF42.txt"},                                             // full width
        {L"caf\u00E9.txt", L"CAF\u00C9.TXT"},
        {L"cafe\u0301.doc", nullptr},   // é decomposed is another name
        {L"\U0001F600.txt", L"\U0001F600.TXT"},
    };
    for (const Row& row : rows)
        REQUIRE(MakeFileW(JoinName(folder, row.name)));
    FolderIndex index;
    REQUIRE(index.Read(folder) == FolderIndex::Listed);
    CHECK(index.Entries().size() == 3 + 6);
    CHECK(index.Leftovers() == std::vector<std::wstring>{L"~omb1F-2A.tmp"});
    CHECK(index.Find(L"read me.txt")->name == L"Read Me.TXT");
    CHECK(index.Find(L"sUB")->IsFolder());
    CHECK(index.Find(L"recycler") == nullptr);
    CHECK(index.Find(L"~omb.TMP") != nullptr);
    for (const Row& row : rows) {
        CAPTURE(std::wstring(row.name).size());
        if (row.asked) {
            const FolderEntry* found = index.Find(row.asked);
            REQUIRE(found != nullptr);
            CHECK(found->name == row.name);
        }
    }
    CHECK(index.Find(L"cafe\u0301.txt") == nullptr);
    CHECK(index.Find(L"caf\u00E9.doc") == nullptr);
}
