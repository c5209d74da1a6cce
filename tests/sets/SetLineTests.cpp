#include <doctest/doctest.h>

#include <cstring>
#include <string>

#include "CurrentSet.h"
#include "EFlags.h"
#include "FlagScope.h"
#include "SetLine.h"

namespace {

std::string Clean(std::string text, SetValueKind kind)
{
    std::size_t length = CleanSetValue(&text[0], kind);
    CHECK(length == std::strlen(text.c_str()));
    return text.c_str();
}

// Parses the lines in turn into a fresh current set.
CurrentSet Parse(std::initializer_list<const char*> lines)
{
    CurrentSet current;
    for (const char* line : lines) {
        std::string copy = line;
        ParseSetLine(&copy[0], current);
    }
    return current;
}

}

TEST_CASE("set line: values are cleaned of brackets in names, of quotes everywhere, and end at CR or LF")
{
    FlagScope off(EDoubleByte, 0);
    struct Case {
        const char* text;
        SetValueKind kind;
        const char* cleaned;
    } cases[] = {
        {"[Backup]", SetValueKind::Name, "Backup"},
        {"[Set [2]]", SetValueKind::Name, "Set 2"},
        {"[a]b", SetValueKind::Name, "ab"},
        {"[ padded ]\r\n", SetValueKind::Name, " padded "},
        {"[\"quoted\"]", SetValueKind::Name, "quoted"},
        {"\"C:\\Data\"\r\n", SetValueKind::Folder, "C:\\Data"},
        {"C:\\Data\n", SetValueKind::Folder, "C:\\Data"},
        {"\"C:\\Da\"ta\"", SetValueKind::Folder, "C:\\Data"},
        {"\"D:\\Photos [2019]\"", SetValueKind::Folder, "D:\\Photos [2019]"},
        {"\"a b\"\rtail", SetValueKind::Folder, "a b"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.text);
        CHECK(Clean(c.text, c.kind) == c.cleaned);
    }
}

TEST_CASE("set line: keys match case-insensitively at the very start; flags only turn on")
{
    CurrentSet lower = Parse({"src=\"C:\\a\"", "Dst=C:\\b"});
    CHECK(std::string(lower.source) == "C:\\a");
    CHECK(std::string(lower.destination) == "C:\\b");

    CurrentSet blanks = Parse({" SRC=C:\\a", "SRC =C:\\a", "XSRC=C:\\a"});
    CHECK(std::string(blanks.source).empty());

    CHECK(Parse({"DELETE=yes"}).deleteFlag == 1);
    CHECK(Parse({"delete=y"}).deleteFlag == 1);
    CHECK(Parse({"DELETE=1"}).deleteFlag == 0);
    CHECK(Parse({"DELETE= Y"}).deleteFlag == 0);
    CHECK(Parse({"DELETE="}).deleteFlag == 0);
    CHECK(Parse({"DELETE"}).deleteFlag == 0);
    CHECK(Parse({"DELETE=Y", "DELETE=N"}).deleteFlag == 1);

    CurrentSet all = Parse({"DOSTIME=Y", "FORCE=y", "EXCLUDEOBJ=Yes"});
    CHECK(all.dosTimeFlag == 1);
    CHECK(all.forceFlag == 1);
    CHECK(all.excludeObjectFlag == 1);
    CHECK(all.deleteFlag == 0);

    CurrentSet repeated = Parse({"SRC=first", "SRC=second", "[Name]"});
    CHECK(std::string(repeated.source) == "second");
    CHECK(std::string(repeated.name) == "Name");
}

TEST_CASE("set line: Shift-JIS pairs are kept whole only with the double-byte flag")
{
    // 0x81 0x5B is the long-vowel mark; its second byte is '['.
    SUBCASE("flag on")
    {
        FlagScope on(EDoubleByte, 1);
        CHECK(Clean("[ab\x81\x5b]", SetValueKind::Name) == "ab\x81\x5b");
        CHECK(Clean("\"C:\\\x81\x5b\"", SetValueKind::Folder) == "C:\\\x81\x5b");
        // A pair is copied unexamined, so a quote after a lead byte stays.
        CHECK(Clean("[\x83\x22x]", SetValueKind::Name) == "\x83\x22x");
    }
    SUBCASE("flag off")
    {
        FlagScope off(EDoubleByte, 0);
        CHECK(Clean("[ab\x81\x5b]", SetValueKind::Name) == "ab\x81");
        CHECK(Clean("\"C:\\\x81\x5b\"", SetValueKind::Folder) == "C:\\\x81\x5b");
    }
    SUBCASE("a lead byte just before the terminator never reaches past it")
    {
        FlagScope on(EDoubleByte, 1);
        char text[] = {'[', 'a', '\x81', '\0', 'X', 'Y', '\0'};
        CHECK(CleanSetValue(text, SetValueKind::Name) == 2);
        CHECK(text[0] == 'a');
        CHECK(text[1] == '\x81');
        CHECK(text[2] == '\0');
        CHECK(text[4] == 'X');
    }
}

TEST_CASE("set line: a name is storable exactly when the set file gives it back")
{
    struct Case {
        std::string name;
        int doubleByte;
        bool storable;
    } cases[] = {
        {"Work (new) {2} 'x' ; = \\", 0, true},
        {" ", 0, true},
        {std::string(259, 'n'), 0, true},
        {"", 0, false},
        {"]", 0, false},
        {"[Work] \"new\"", 0, false},
        {"a\"b", 0, false},
        {"a\rb", 0, false},
        {"a\nb", 0, false},
        {std::string(260, 'n'), 0, false},
        // A Shift-JIS pair whose second byte is '[' is a name character
        // only where pairs are read whole; a lone lead byte at the end
        // would take the closing bracket.
        {"\x83\x58\x81\x5b", 1, true},
        {"\x83\x58\x81\x5b", 0, false},
        {"ab\x81", 1, false},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        FlagScope flag(EDoubleByte, c.doubleByte);
        CHECK(IsStorableName(c.name.c_str()) == c.storable);
    }
}

TEST_CASE("set line: over-long values")
{
    FlagScope on(EDoubleByte, 1);
    SUBCASE("a name is cut to 259 bytes between characters")
    {
        // 258 single bytes, then a pair that would straddle byte 259.
        std::string line = "[" + std::string(258, 'n') + "\x82\xa0" + std::string(40, 'm') + "]";
        CurrentSet current;
        CHECK(ParseSetLine(&line[0], current) == 0);
        CHECK(std::string(current.name) == std::string(258, 'n'));
        EDoubleByte = 0;
        line = "[" + std::string(258, 'n') + "\x82\xa0" + std::string(40, 'm') + "]";
        CHECK(ParseSetLine(&line[0], current) == 0);
        CHECK(std::string(current.name) == std::string(258, 'n') + "\x82");
    }
    SUBCASE("a folder that does not fit is left empty, never cut")
    {
        CurrentSet current;
        std::string fits = "SRC=\"C:\\" + std::string(256, 'f') + "\"";
        CHECK(ParseSetLine(&fits[0], current) == 1);
        CHECK(std::strlen(current.source) == 259);
        std::string line = "DST=\"C:\\" + std::string(300, 'f') + "\"";
        std::strcpy(current.destination, "old");
        CHECK(ParseSetLine(&line[0], current) == 0);
        CHECK(std::string(current.destination).empty());
    }
}
