#include "SyncTrees.h"

#include "TestProcess.h"
#include "TreeSnapshot.h"
#include "WidePath.h"

#include <doctest/doctest.h>

namespace {

// Runs syncbench with its output sent to a file; returns that output.
std::string RunBench(const SyncTrees& trees, const std::string& arguments, DWORD* exitCode)
{
    std::string output = trees.temp / "out.txt";
    *exitCode = RunToEnd("cmd /c \"" + TestBinaryFolder() + "\\syncbench.exe " + arguments + " > " + output + " 2>&1\"",
                         60000);
    return ReadWholeFile(output);
}

// The same with a command line in wide form, for names the code page lacks.
std::string RunBenchWide(const SyncTrees& trees, const std::wstring& arguments, DWORD* exitCode)
{
    std::string output = trees.temp / "out.txt";
    std::wstring line = L"cmd /c \"" + Widen(TestBinaryFolder().c_str()) + L"\\syncbench.exe " + arguments + L" > " +
                        Widen(output.c_str()) + L" 2>&1\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    *exitCode = 0xFFFFFFFF;
    if (CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        if (WaitForSingleObject(info.hProcess, 60000) == WAIT_OBJECT_0)
            GetExitCodeProcess(info.hProcess, exitCode);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    return ReadWholeFile(output);
}

std::string LastLine(const std::string& text)
{
    std::string trimmed = text.substr(0, text.find_last_not_of("\r\n") + 1);
    return trimmed.substr(trimmed.find_last_of('\n') + 1);
}

}

TEST_CASE_FIXTURE(SyncTrees, "syncbench runs a whole run and counts what it did")
{
    MakeFile(src + "\\a.txt", "a", TicksOf(2022, 1, 1));
    MakeFile(src + "\\sub\\b.txt", "b");
    MakeFile(src + "\\x.obj", "x");
    MakeFile(dst + "\\new\\a.txt", "newer", TicksOf(2023, 1, 1));
    MakeFile(dst + "\\new\\old.txt", "o");
    MakeFile(dst + "\\new\\gone\\g.txt", "g");
    std::string target = dst + "\\new";
    DWORD code = 0;
    std::string output = RunBench(*this, "--delete --excludeobj --verbose " + src + " " + target, &code);
    CHECK(code == 0);
    std::string last = LastLine(output);
    CHECK(last.rfind("copied 1, replaced 0, deleted 2, removed folders 1, created folders 1, skipped 0, newer 1, result OK, seconds ", 0) == 0);
    CHECK(output.find("copy\t" + src + "\\sub\\b.txt\t" + target + "\\sub\\b.txt") != std::string::npos);
    CHECK(output.find("rmdir\t" + target + "\\gone") != std::string::npos);
    CHECK(ReadWholeFile(target + "\\a.txt") == "newer");

    // --up runs the other way: the destination's newer a.txt comes back.
    output = RunBench(*this, "--up " + src + " " + target, &code);
    CHECK(code == 0);
    CHECK(LastLine(output).rfind("copied 0, replaced 1, deleted 0, removed folders 0, created folders 0, skipped 0, newer 0, result OK", 0) == 0);
    CHECK(ReadWholeFile(src + "\\a.txt") == "newer");

    // A fresh destination counts as created, with its missing parents.
    output = RunBench(*this, src + " " + temp / "p\\q", &code);
    CHECK(LastLine(output).rfind("copied 3, replaced 0, deleted 0, removed folders 0, created folders 3, skipped 0, newer 0, result OK", 0) == 0);
}

TEST_CASE_FIXTURE(SyncTrees, "syncbench tells why a run was refused or stopped and fails")
{
    MakeFile(src + "\\a.txt", "a");
    DWORD code = 0;
    std::string output = RunBench(*this, src + " " + src + "\\inside", &code);
    CHECK(code != 0);
    CHECK(output.find("are the same folder, or one lies inside the other") != std::string::npos);
    CHECK(LastLine(output).find("result STOPPED") != std::string::npos);
    CHECK_FALSE(PathExists(src + "\\inside"));

    output = RunBench(*this, temp / "none" + " " + dst, &code);
    CHECK(code != 0);
    CHECK(output.find("is not exist") != std::string::npos);

    output = RunBench(*this, "--bogus " + src + " " + dst, &code);
    CHECK(code == 2);
}

TEST_CASE_FIXTURE(SyncTrees, "syncbench cuts Japanese names as the window program does: only the orphan goes")
{
    REQUIRE(GetACP() == 932);
    // 表 ends in 5C: read byte by byte, dst\表\notes.txt would name 表notes.txt.
    MakeFolder(src + "\\表");
    MakeFile(src + "\\表notes.txt", "the user's", TicksOf(2022, 1, 1));
    MakeFile(dst + "\\表notes.txt", "the user's", TicksOf(2022, 1, 1));
    MakeFile(dst + "\\表\\notes.txt", "orphan");
    DWORD code = 0;
    std::string output = RunBench(*this, "--delete " + src + " " + dst, &code);
    CHECK(code == 0);
    CHECK(ReadWholeFile(dst + "\\表notes.txt") == "the user's");
    CHECK_FALSE(PathExists(dst + "\\表\\notes.txt"));
    CHECK(LastLine(output).rfind("copied 0, replaced 0, deleted 1, removed folders 0, created folders 0, skipped 0, newer 0, result OK", 0) == 0);
}

TEST_CASE_FIXTURE(SyncTrees, "syncbench takes, syncs and prints names outside the Japanese code page, both ways")
{
    REQUIRE(GetACP() == 932);
    // The top folders too are named outside the code page: only a wide
    // command line reaches them.
    const std::wstring top = L"é\U0001F600ß表";
    struct Way {
        const char* name;
        const wchar_t* flags;
        bool up;
    };
    for (const Way& way : {Way{"down", L"--delete --verbose ", false}, Way{"up", L"--delete --verbose --up ", true}}) {
        INFO(way.name);
        std::string from = temp / way.name + "\\from";
        std::string to = temp / way.name + "\\to";
        std::wstring wideFrom = Widen(from.c_str()) + L"\\" + top;
        std::wstring wideTo = Widen(to.c_str()) + L"\\" + top;
        // 表 and ソ end in 0x5C in Shift-JIS: cut byte by byte, 表\notes.txt
        // would read as 表notes.txt.
        for (const wchar_t* file : {L"é.txt", L"ß\\\U0001F600.txt", L"表\\notes.txt", L"表notes.txt", L"ソ\\ソ.txt",
                                    L"ソ\\é\\ß.txt"})
            MakeFileW(JoinName(wideFrom, file), "from", TicksOf(2022, 1, 1));
        MakeFileW(JoinName(wideTo, L"表\\orphan.txt"), "orphan");
        MakeFileW(JoinName(wideTo, L"ソ\\\U0001F600\\gone.txt"), "orphan");

        DWORD code = 0;
        std::string output =
            RunBenchWide(*this, way.flags + (way.up ? wideTo + L" " + wideFrom : wideFrom + L" " + wideTo), &code);
        CHECK(code == 0);
        CHECK(LastLine(output).rfind("copied 6, replaced 0, deleted 2, removed folders 1, created folders 2, skipped 0, newer 0, result OK", 0) == 0);
        std::wstring emoji = L"ß\\\U0001F600.txt";
        CHECK(output.find("copy\t" + Utf8Text(JoinName(wideFrom, emoji)) + "\t" + Utf8Text(JoinName(wideTo, emoji))) !=
              std::string::npos);
        TreeSnapshot source = Snapshot(from);
        CHECK(source.size() == 11);
        CHECK(Snapshot(to) == source);
    }
}

TEST_CASE_FIXTURE(SyncTrees, "syncbench previews without touching anything, and its guard says No unless allowed")
{
    MakeFile(src + "\\a.txt", "a");
    for (const char* name : {"\\x.txt", "\\y.txt", "\\z.txt"})
        MakeFile(dst + name, "old");
    TreeSnapshot before = Snapshot(dst);
    DWORD code = 0;
    std::string output = RunBench(*this, "--preview --delete " + src + " " + dst, &code);
    CHECK(code == 0);
    CHECK(output.find("(plan) copy\t" + src + "\\a.txt\t" + dst + "\\a.txt") != std::string::npos);
    CHECK(output.find("(plan) del\t" + dst + "\\x.txt") != std::string::npos);
    CHECK(output.find("plan: 1 to copy and 0 to replace (1 bytes), 3 to delete, 0 folders to create, 0 to remove, "
                      "0 newer in destination") != std::string::npos);
    CHECK(Changes(before, Snapshot(dst)).empty());

    std::string empty = temp / "empty";
    MakeFolder(empty);
    output = RunBench(*this, "--delete " + empty + " " + dst, &code);
    CHECK(code == 3);
    CHECK(output.find("guard: stopped, would delete 3 of 3 files in " + dst) != std::string::npos);
    CHECK(Changes(before, Snapshot(dst)).empty());
    output = RunBench(*this, "--delete --allow-mass-delete " + empty + " " + dst, &code);
    CHECK(code == 0);
    CHECK(Names(dst).empty());
}
