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

TEST_CASE("syncbench runs a whole run and counts what it did")
{
    SyncTrees trees;
    MakeFile(trees.src + "\\a.txt", "a", TicksOf(2022, 1, 1));
    MakeFile(trees.src + "\\sub\\b.txt", "b");
    MakeFile(trees.src + "\\x.obj", "x");
    MakeFile(trees.dst + "\\new\\a.txt", "newer", TicksOf(2023, 1, 1));
    MakeFile(trees.dst + "\\new\\old.txt", "o");
    MakeFile(trees.dst + "\\new\\gone\\g.txt", "g");
    std::string target = trees.dst + "\\new";
    DWORD code = 0;
    std::string output = RunBench(trees, "--delete --excludeobj --verbose " + trees.src + " " + target, &code);
    CHECK(code == 0);
    std::string last = LastLine(output);
    CHECK(last.rfind("copied 1, deleted 2, removed folders 1, created folders 1, result OK, seconds ", 0) == 0);
    CHECK(output.find("copy\t" + trees.src + "\\sub\\b.txt\t" + target + "\\sub\\b.txt") != std::string::npos);
    CHECK(output.find("rmdir\t" + target + "\\gone") != std::string::npos);
    CHECK(ReadWholeFile(target + "\\a.txt") == "newer");

    // --up runs the other way: the destination's newer a.txt comes back.
    output = RunBench(trees, "--up " + trees.src + " " + target, &code);
    CHECK(code == 0);
    CHECK(LastLine(output).rfind("copied 1, deleted 0, removed folders 0, created folders 0, result OK", 0) == 0);
    CHECK(ReadWholeFile(trees.src + "\\a.txt") == "newer");

    // A fresh destination counts as created, with its missing parents.
    output = RunBench(trees, trees.src + " " + trees.temp / "p\\q", &code);
    CHECK(LastLine(output).rfind("copied 3, deleted 0, removed folders 0, created folders 3, result OK", 0) == 0);
}

TEST_CASE("syncbench tells why a run was refused or stopped and fails")
{
    SyncTrees trees;
    MakeFile(trees.src + "\\a.txt", "a");
    DWORD code = 0;
    std::string output = RunBench(trees, trees.src + " " + trees.src + "\\inside", &code);
    CHECK(code != 0);
    CHECK(output.find("are the same folder, or one lies inside the other") != std::string::npos);
    CHECK(LastLine(output).find("result STOPPED") != std::string::npos);
    CHECK_FALSE(PathExists(trees.src + "\\inside"));

    output = RunBench(trees, trees.temp / "none" + " " + trees.dst, &code);
    CHECK(code != 0);
    CHECK(output.find("is not exist") != std::string::npos);

    output = RunBench(trees, "--bogus " + trees.src + " " + trees.dst, &code);
    CHECK(code == 2);
}
