// syncbench end to end: its counts line, exit codes, preview and guard, and
// names only a wide command line reaches.

#include "WidePath.h"

#include "TempFolder.h"
#include "TestProcess.h"
#include "TreeBuilder.h"
#include "TreeSnapshot.h"

#include <doctest/doctest.h>

#include <windows.h>

namespace {

// Runs syncbench through cmd with its output sent to a file; returns the
// exit code and that output's last line and whole text.
struct BenchRun {
    DWORD code = 0xFFFFFFFF;
    std::string output;
    std::string last;
};

BenchRun RunBench(const TempFolder& temp, const std::wstring& arguments)
{
    std::string out = temp / "out.txt";
    std::wstring line = L"cmd /c \"" + Widen(TestBinaryFolder().c_str()) + L"\\syncbench.exe " + arguments + L" > " +
                        Widen(out.c_str()) + L" 2>&1\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    BenchRun run;
    if (CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        if (WaitForSingleObject(info.hProcess, 60000) == WAIT_OBJECT_0)
            GetExitCodeProcess(info.hProcess, &run.code);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    run.output = ReadWholeFile(out);
    std::string trimmed = run.output.substr(0, run.output.find_last_not_of("\r\n") + 1);
    run.last = trimmed.substr(trimmed.find_last_of('\n') + 1);
    return run;
}

bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

}

TEST_CASE("syncbench: counts, exit codes, preview and the guard, run after run")
{
    TempFolder temp;
    std::string src = temp / "src", dst = temp / "dst\\new", empty = temp / "empty";
    MakeFile(src + "\\a.txt", "a", TicksOf(2022, 1, 1));
    MakeFile(src + "\\sub\\b.txt", "b");
    MakeFile(src + "\\x.obj", "x");
    MakeFile(dst + "\\a.txt", "newer", TicksOf(2023, 1, 1));
    MakeFile(dst + "\\old.txt", "o");
    MakeFile(dst + "\\gone\\g.txt", "g");
    MakeFolder(empty);
    const std::string counts = "copied %, replaced %, deleted %, removed folders %, created folders %, skipped 0, newer %";
    struct Row {
        std::string arguments;
        DWORD code;
        std::string last;      // the counts line begins so; % stand for the row's numbers
        std::string numbers;
        std::string printed;   // somewhere in the output
    } rows[] = {
        {"--preview --delete --excludeobj " + src + " " + dst, 0, "", "",
         "plan: 1 to copy and 0 to replace (1 bytes), 2 to delete, 1 folders to create, 1 to remove, 1 newer"},
        {"--delete --excludeobj --verbose " + src + " " + dst, 0, counts + ", result OK, seconds ", "102111",
         "rmdir\t" + dst + "\\gone"},
        {"--up " + src + " " + dst, 0, counts + ", result OK", "010000", ""},
        {src + " " + temp / "p\\q", 0, counts + ", result OK", "300030", ""},
        {src + " " + src + "\\inside", 1, "", "", "are the same folder, or one lies inside the other"},
        {temp / "none" + " " + dst, 1, "", "", "is not exist"},
        {"--bogus " + src + " " + dst, 2, "", "", ""},
        {"--delete " + empty + " " + dst, 3, "", "", "guard: stopped, would delete 2 of 2 files in " + dst},
        {"--delete --allow-mass-delete " + empty + " " + dst, 0, "", "", ""},
    };
    for (Row& row : rows) {
        CAPTURE(row.arguments);
        TreeSnapshot before = Snapshot(dst);
        BenchRun run = RunBench(temp, Widen(row.arguments.c_str()));
        // A refusal sets a code other than 0; only the usage error's is fixed.
        CHECK((row.code == 1 ? run.code != 0 : run.code == row.code));
        for (char number : row.numbers)
            row.last.replace(row.last.find('%'), 1, 1, number);
        CHECK(run.last.rfind(row.last, 0) == 0);
        CHECK(Has(run.output, row.printed));
        if (row.arguments.rfind("--preview", 0) == 0 || row.code == 3)
            CHECK(Changes(before, Snapshot(dst)).empty());
    }
    CHECK(ReadWholeFile(src + "\\a.txt") == "newer");
    CHECK_FALSE(PathExists(src + "\\inside"));
    CHECK(FolderNames(dst).empty());
}

TEST_CASE("syncbench takes, syncs and prints names outside the Japanese code page, both ways")
{
    REQUIRE(GetACP() == 932);
    TempFolder temp;
    // The top folders too are named outside the code page.
    const std::wstring top = L"é\U0001F600ß表";
    for (bool up : {false, true}) {
        CAPTURE(up);
        std::string from = temp / (up ? "up\\from" : "down\\from"), to = temp / (up ? "up\\to" : "down\\to");
        std::wstring wideFrom = Widen(from.c_str()) + L"\\" + top, wideTo = Widen(to.c_str()) + L"\\" + top;
        // 表 and ソ end in 0x5C in Shift-JIS: cut byte by byte, 表\notes.txt
        // would read as 表notes.txt.
        for (const wchar_t* file : {L"é.txt", L"ß\\\U0001F600.txt", L"表\\notes.txt", L"表notes.txt", L"ソ\\ソ.txt",
                                    L"ソ\\é\\ß.txt"})
            MakeFileW(JoinName(wideFrom, file), "from", TicksOf(2022, 1, 1));
        MakeFileW(JoinName(wideTo, L"表\\orphan.txt"), "orphan");
        MakeFileW(JoinName(wideTo, L"ソ\\\U0001F600\\gone.txt"), "orphan");
        BenchRun run = RunBench(temp, std::wstring(L"--delete --verbose ") + (up ? L"--up " + wideTo + L" " + wideFrom
                                                                                 : wideFrom + L" " + wideTo));
        CHECK(run.code == 0);
        CHECK(run.last.rfind("copied 6, replaced 0, deleted 2, removed folders 1, created folders 2, skipped 0, "
                             "newer 0, result OK", 0) == 0);
        std::wstring emoji = L"ß\\\U0001F600.txt";
        CHECK(Has(run.output, "copy\t" + Utf8Text(JoinName(wideFrom, emoji)) + "\t" + Utf8Text(JoinName(wideTo, emoji))));
        TreeSnapshot source = Snapshot(from);
        CHECK(source.size() == 11);
        CHECK(Snapshot(to) == source);
    }
}
