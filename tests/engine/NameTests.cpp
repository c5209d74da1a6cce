// Names and depths that ANSI path calls cannot reach, in an English system:
// names outside the code page, names those calls rewrite, and a branch far
// deeper than 260 characters. A run reaches each of them exactly.

#include "SyncTrees.h"

#include "LockedPath.h"

#include <doctest/doctest.h>

namespace {

// A run with Delete that must succeed; its counts.
OperationCounts RunOnce(ScriptedHost& host, const std::string& source, const std::string& destination, bool readAhead)
{
    SyncRun run(host, Options(1, 0, 1, 0));
    run.SetReadAhead(readAhead);
    CHECK(run.RunSet(source.c_str(), destination.c_str()) == 1);
    return run.Counts();
}

}

TEST_CASE_FIXTURE(SyncTrees, "any name at any depth is copied, replaced when newer and pruned, read ahead or not")
{
    REQUIRE(GetACP() == 1252);
    std::wstring deep;
    for (wchar_t letter = L'a'; letter < L'g'; ++letter)
        deep += std::wstring(100, letter) + L"\\";
    const std::wstring names[] = {
        L"\u65E5\u672C\u8A9E.txt",                           // Japanese
        L"\u03A9\u03BC\u03AD\u03B3\u03B1\\\u03B1.txt",       // Greek, in a folder
        L"\U0001F600 party.txt",                             // a surrogate pair
        std::wstring(251, L'n') + L".txt",                   // 255 characters
        L"notes.", L"report ", L"CON.txt", L"data.\\inside.txt", L"sp \\y.",
        deep + L"leaf.txt",                                  // over 600 characters
        // Full paths of 259, 260 and 261 characters, around MAX_PATH.
        std::wstring(254 - src.size(), L'm') + L".txt", std::wstring(255 - src.size(), L'n') + L".txt",
        std::wstring(256 - src.size(), L'o') + L".txt",
    };
    // What ANSI calls would reach instead; the same on both sides, so it
    // must stay exactly as it is.
    std::string lookalikes = temp / "lookalikes";
    for (const std::string& side : {src, dst, lookalikes}) {
        MakeFile(side + "\\notes", "look-alike", T);
        MakeFile(side + "\\report", "look-alike", T);
        MakeFile(side + "\\data\\inside.txt", "look-alike", T);
    }
    for (bool readAhead : {true, false}) {
        CAPTURE(readAhead);
        host.rows.clear();
        host.wideRows.clear();
        for (const std::wstring& name : names)
            REQUIRE(MakeFileW(LongForm(src) + L"\\" + name, "first", T));
        RunOnce(host, src, dst, readAhead);
        CHECK(boxes.boxes.empty());
        CHECK(Changes(Snapshot(src), Snapshot(dst)).empty());
        CHECK(Contains(host.rows, "copy " + src + "\\?? party.txt " + dst + "\\?? party.txt"));
        CHECK(std::count(host.wideRows.begin(), host.wideRows.end(),
                         L"copy " + Widen((src + "\\").c_str()) + names[0] + L" " + Widen((dst + "\\").c_str()) +
                             names[0]) == 1);

        for (const std::wstring& name : names)
            REQUIRE(MakeFileW(LongForm(src) + L"\\" + name, "second", T + 10 * S));
        CHECK(RunOnce(host, src, dst, readAhead).replaced == 13);
        CHECK(Changes(Snapshot(src), Snapshot(dst)).empty());

        // Every name is an orphan against a source of look-alikes only.
        RunOnce(host, lookalikes, dst, readAhead);
        CHECK(Changes(Snapshot(lookalikes), Snapshot(dst)).empty());
        CHECK(boxes.boxes.empty());
    }
}

TEST_CASE_FIXTURE(SyncTrees, "a killed run's temporary copies are removed, never copied or asked about; its kept names stay")
{
    // Second names the Recycle Bin's check left behind may be a file's only copy.
    MakeFile(src + "\\~omb1A2B-6.kept", "kept in the source", T);
    MakeFile(dst + "\\~omb1A2B-5.kept", "kept in the destination", T);
    MakeFile(src + "\\~omb1A2B-3.tmp", "half of an earlier copy", T + 10 * S);
    MakeFile(src + "\\sub\\kept.txt", "k", T);
    MakeFile(dst + "\\~omb1A2B-4.tmp", "half", T);
    MakeFile(dst + "\\sub\\~omb9-1.tmp", "half", T);
    SetFileAttributesA((dst + "\\sub\\~omb9-1.tmp").c_str(), FILE_ATTRIBUTE_READONLY);
    MakeFile(dst + "\\~omb.tmp", "the user's own", T);
    // Another run's copy in progress, held open as it writes.
    MakeFile(dst + "\\~omb77-1.tmp", "being written", T);
    LockedPath writing(dst + "\\~omb77-1.tmp");
    REQUIRE(writing.Held());
    TestLink inSource(src + "\\sub\\kept.txt", src + "\\~omb5-5.tmp");
    TestLink below(src + "\\sub\\kept.txt", dst + "\\sub\\~omb5-6.tmp");
    host.answers = {IDNO};
    CHECK(Run(host, Options(1, 0, 0, 0), src, dst) == 1);
    CHECK(host.questions == std::vector<std::string>{"delete " + dst + "\\~omb.tmp"});
    CHECK(FolderNames(src) == std::vector<std::string>{"sub", "~omb1A2B-6.kept", "~omb5-5.tmp"});
    CHECK(ReadWholeFile(src + "\\sub\\kept.txt") == "k");
    CHECK(FolderNames(dst) == std::vector<std::string>{"sub", "~omb.tmp", "~omb1A2B-5.kept", "~omb77-1.tmp"});
    CHECK(FolderNames(dst + "\\sub") == std::vector<std::string>{"kept.txt", "~omb5-6.tmp"});
    CHECK(host.rows == std::vector<std::string>{"copy " + src + "\\sub\\kept.txt " + dst + "\\sub\\kept.txt",
                                                "skip " + dst + "\\~omb.tmp"});
}
