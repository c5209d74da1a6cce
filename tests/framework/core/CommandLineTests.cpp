#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "ECommandLine.h"

namespace {

std::vector<std::string> SplitText(const std::string& text, int maxArgs = 128)
{
    ECommandLine line(text.c_str());
    std::vector<char*> args(maxArgs + 1, nullptr);
    int count = line.Split(args.data(), maxArgs);
    std::vector<std::string> result;
    for (int i = 0; i < count; i++)
        result.push_back(args[i]);
    return result;
}

typedef std::vector<std::string> Args;

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

TEST_CASE("command line: at most the given number of arguments")
{
    std::string text;
    for (int i = 0; i < 200; i++)
        text += "arg" + std::to_string(i) + " ";
    Args args = SplitText(text);
    REQUIRE(args.size() == 128);
    CHECK(args[0] == "arg0");
    CHECK(args[127] == "arg127");  // terminated at its own end

    Args three = SplitText("a b c d e", 3);
    CHECK(three == Args{"a", "b", "c"});
}

TEST_CASE("command line: very long and unbalanced input never leaves the text")
{
    // The splitter writes only inside the copy; guard bytes around a raw
    // buffer catch any write past either end.
    for (std::string text : {std::string(100000, 'x'), std::string(70000, '"'), std::string(50000, ' '),
                             std::string("\"") + std::string(5000, ' ') + "\"\"\" \"", std::string("\" \" \" \"")}) {
        std::vector<char> buffer(text.size() + 3, '#');
        std::copy(text.begin(), text.end(), buffer.begin() + 1);
        buffer[text.size() + 1] = '\0';
        std::vector<char*> args(129, nullptr);
        int count = ECommandLine::Split(buffer.data() + 1, args.data(), 128);
        CHECK(count <= 128);
        CHECK(buffer.front() == '#');
        CHECK(buffer.back() == '#');
        for (int i = 0; i < count; i++) {
            CHECK(args[i] >= buffer.data() + 1);
            CHECK(args[i] <= buffer.data() + text.size() + 1);
        }
    }
}
