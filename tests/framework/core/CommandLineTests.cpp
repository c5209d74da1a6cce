#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "ECommandLine.h"

namespace {

typedef std::vector<std::string> Args;

Args SplitText(const std::string& text)
{
    ECommandLine line(text.c_str());
    char* args[16] = {};
    return Args(args, args + line.Split(args, 16));
}

}

TEST_CASE("command line: blanks, quotes and their edge cases")
{
    CHECK(SplitText("") == Args{});
    CHECK(SplitText("   ") == Args{""});
    CHECK(SplitText("a") == Args{"a"});
    CHECK(SplitText("  a \t b  ") == Args{"a", "b"});
    CHECK(SplitText("a \"b c\" d") == Args{"a", "b c", "d"});
    CHECK(SplitText("\"abc") == Args{"abc"});
    CHECK(SplitText("\"ab\"cd") == Args{"ab", "cd"});
    CHECK(SplitText("ab\"cd ef") == Args{"ab\"cd", "ef"});
    CHECK(SplitText("\"\" x") == Args{"", "x"});
    CHECK(SplitText("\"a\tb\"\tc") == Args{"a\tb", "c"});
    // There is no escape character.
    CHECK(SplitText("\"a\\\" b") == Args{"a\\", "b"});
}

TEST_CASE("command line: Shift-JIS names stay whole")
{
    // Trail bytes 0x5C and 0x40 beside blanks and quotes.
    std::string name = "\x83\x5C\x95\x5C";
    CHECK(SplitText("\"" + name + " x\" " + name) == Args{name + " x", name});
}
