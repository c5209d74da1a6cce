#include <doctest/doctest.h>

#include <cstring>
#include <string>
#include <vector>

#include "CurrentSet.h"
#include "EFlags.h"
#include "FlagScope.h"
#include "SetLine.h"

namespace {

// Parses the lines in turn into a fresh current set.
CurrentSet Parse(const std::vector<std::string>& lines)
{
    CurrentSet current;
    for (std::string line : lines)
        ParseSetLine(&line[0], current);
    return current;
}

}

TEST_CASE("set line: keys match case-insensitively at the very start; flags only turn on; folders are never cut")
{
    FlagScope on(EDoubleByte, 1);
    struct Case {
        std::vector<std::string> lines;
        std::string source;
        std::string destination;
        int flags;   // delete, DOS time, force, exclude as four decimal digits
    } cases[] = {
        {{"src=\"C:\\a\"", "Dst=C:\\b"}, "C:\\a", "C:\\b", 0},
        {{" SRC=C:\\a", "SRC =C:\\a", "XSRC=C:\\a"}, "", "", 0},
        {{"SRC=first", "SRC=second"}, "second", "", 0},
        {{"DELETE=yes"}, "", "", 1000},
        {{"delete=y"}, "", "", 1000},
        {{"DELETE=1", "DELETE= Y", "DELETE=", "DELETE"}, "", "", 0},
        {{"DELETE=Y", "DELETE=N"}, "", "", 1000},
        {{"DOSTIME=Y", "FORCE=y", "EXCLUDEOBJ=Yes"}, "", "", 111},
        // 259 bytes fit; a longer folder leaves the field empty, since a
        // shorter path would name another folder.
        {{"SRC=\"C:\\" + std::string(256, 'f') + "\""}, "C:\\" + std::string(256, 'f'), "", 0},
        {{"DST=old", "DST=\"C:\\" + std::string(300, 'f') + "\""}, "", "", 0},
    };
    for (const Case& c : cases) {
        CAPTURE(c.lines[0]);
        CurrentSet set = Parse(c.lines);
        CHECK(std::string(set.source) == c.source);
        CHECK(std::string(set.destination) == c.destination);
        CHECK(set.deleteFlag * 1000 + set.dosTimeFlag * 100 + set.forceFlag * 10 + set.excludeObjectFlag == c.flags);
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
