#include "DosTime.h"
#include "EFlags.h"
#include "PathText.h"

#include "CalendarTicks.h"
#include "FlagScope.h"

#include <doctest/doctest.h>

#include <cstring>
#include <string>

namespace {

std::string Join(const char* folder, const char* name)
{
    char out[EPathSize];
    return JoinPath(out, folder, name) ? std::string(out) : std::string("<too long>");
}

}

TEST_CASE("joining, last components and splitting")
{
    CHECK(Join("D:\\", "a") == "D:\\a");
    CHECK(Join("D:\\src", "*.*") == "D:\\src\\*.*");
    CHECK(Join("", "a") == "a");
    CHECK(std::string(BaseName("D:\\a\\b.txt")) == "b.txt");
    CHECK(std::string(BaseName("D:/a\\b/c")) == "c");
    CHECK(std::string(BaseName("plain")) == "plain");

    char folder[EPathSize];
    char name[EPathSize];
    CHECK(SplitPath(folder, name, "\\x") == 1);
    CHECK(std::string(folder) == "\\");
    CHECK(std::string(name) == "x");
    CHECK(SplitPath(folder, name, "D:\\x") == 1);
    CHECK(std::string(folder) == "D:");
    CHECK(std::string(name) == "x");
    CHECK(SplitPath(folder, name, "\"D:\\a b\\c.txt\"") == 1);
    CHECK(std::string(folder) == "D:\\a b");
    CHECK(std::string(name) == "c.txt");
    CHECK(SplitPath(folder, name, "alone") == 0);
    CHECK(std::string(folder).empty());
    CHECK(std::string(name) == "alone");
}

TEST_CASE("a joined path that would not fit is never built")
{
    std::string folder = "D:\\" + std::string(250, 'f');
    CHECK(Join(folder.c_str(), "12345") == folder + "\\12345");  // 259 bytes: fits
    CHECK(Join(folder.c_str(), "123456") == "<too long>");
    char out[EPathSize];
    std::memset(out, 'x', sizeof out);
    CHECK(JoinPath(out, folder.c_str(), std::string(300, 'n').c_str()) == 0);
    CHECK(out[0] == '\0');
}

TEST_CASE("a Japanese name whose trail byte is a backslash is one name")
{
    // 表 is 95 5C and ソ is 83 5C in Shift-JIS.
    const char* hyou = "\x95\x5C";
    CHECK(std::strcmp("表", hyou) == 0);
    FlagScope doubleByte(EDoubleByte, 1);
    CHECK(Join("D:\\\x95\x5C", "a") == "D:\\\x95\x5C\\a");
    CHECK(std::string(BaseName("D:\\\x83\x5C\\\x95\x5C")) == "\x95\x5C");
    char folder[EPathSize];
    char name[EPathSize];
    CHECK(SplitPath(folder, name, "D:\\\x83\x5C\\\x95\x5C") == 1);
    CHECK(std::string(folder) == "D:\\\x83\x5C");
    CHECK(std::string(name) == "\x95\x5C");
    char path[EPathSize] = "D:\\\x95\x5C\\\x83\x5C";
    CHECK(CutLastComponent(path) == 1);
    CHECK(std::string(path) == "D:\\\x95\x5C");
    // '?' is never a trail byte, so a real '?' is still found.
    CHECK(HasUnrepresentableChar("\x95\x5C?") == 1);
    CHECK(HasUnrepresentableChar("\x95\x5C") == 0);
}

TEST_CASE("full paths and cutting components")
{
    CHECK(IsFullPath("D:\\") == 1);
    CHECK(IsFullPath("d:/x") == 1);
    CHECK(IsFullPath("\\\\server\\share") == 1);
    CHECK(IsFullPath("D:x") == 0);
    CHECK(IsFullPath("\\x") == 0);
    CHECK(IsFullPath("x\\y") == 0);
    CHECK(IsFullPath("..\\y") == 0);
    CHECK(IsFullPath("") == 0);

    char path[EPathSize] = "D:\\a\\b\\";
    CHECK(CutLastComponent(path) == 1);
    CHECK(std::string(path) == "D:\\a");
    CHECK(CutLastComponent(path) == 1);
    CHECK(std::string(path) == "D:\\");
    CHECK(CutLastComponent(path) == 0);
    char unc[EPathSize] = "\\\\server\\share\\a";
    CHECK(CutLastComponent(unc) == 1);
    CHECK(std::string(unc) == "\\\\server\\share");
    CHECK(CutLastComponent(unc) == 0);
}

TEST_CASE("DOS time steps, also outside the DOS range")
{
    unsigned long long ten = TicksOf(2020, 5, 1, 10, 0, 0);
    CHECK(CompareDosTicks(ten, ten + 1 * TicksPerSecond) == 0);
    CHECK(CompareDosTicks(ten + 1 * TicksPerSecond, ten + 2 * TicksPerSecond) == -1);
    CHECK(CompareDosTicks(ten + 2 * TicksPerSecond, ten) == 1);
    // Before 1980 and after 2107 there is no DOS form; order must still hold.
    unsigned long long old = TicksOf(1979, 12, 31, 23, 59, 58);
    CHECK(CompareDosTicks(old, TicksOf(1980, 1, 1, 0, 0, 0)) == -1);
    CHECK(CompareDosTicks(TicksOf(1970, 1, 1), TicksOf(1975, 1, 1)) == -1);
    CHECK(CompareDosTicks(old, old + TicksPerSecond) == 0);
    unsigned long long late = TicksOf(2108, 1, 1, 0, 0, 0);
    CHECK(CompareDosTicks(late, TicksOf(2107, 12, 31, 23, 59, 58)) == 1);
    CHECK(CompareDosTicks(TicksOf(2200, 1, 1), late) == 1);
    CHECK(CompareDosTicks(late, late + 4 * TicksPerSecond) == -1);
}
