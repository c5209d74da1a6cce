#include "SyncTrees.h"

#include "TestProcess.h"

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
    CHECK(last.rfind("copied 1, deleted 2, removed folders 1, created folders 1, result OK, seconds ", 0) == 0);
    CHECK(output.find("copy\t" + src + "\\sub\\b.txt\t" + target + "\\sub\\b.txt") != std::string::npos);
    CHECK(output.find("rmdir\t" + target + "\\gone") != std::string::npos);
    CHECK(ReadWholeFile(target + "\\a.txt") == "newer");

    // --up runs the other way: the destination's newer a.txt comes back.
    output = RunBench(*this, "--up " + src + " " + target, &code);
    CHECK(code == 0);
    CHECK(LastLine(output).rfind("copied 1, deleted 0, removed folders 0, created folders 0, result OK", 0) == 0);
    CHECK(ReadWholeFile(src + "\\a.txt") == "newer");

    // A fresh destination counts as created, with its missing parents.
    output = RunBench(*this, src + " " + temp / "p\\q", &code);
    CHECK(LastLine(output).rfind("copied 3, deleted 0, removed folders 0, created folders 3, result OK", 0) == 0);
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
    CHECK(LastLine(output).rfind("copied 0, deleted 1, removed folders 0, created folders 0, result OK", 0) == 0);
}
