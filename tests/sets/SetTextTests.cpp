// Bad input for the set file's text: NUL bytes, values at the field size,
// Shift-JIS lead bytes at every boundary. Nothing here touches a file, so
// these cases also run natively under the sanitizers.

#include <doctest/doctest.h>

#include <cstring>
#include <string>
#include <vector>

#include "EFlags.h"
#include "FlagScope.h"
#include "SetFileTesting.h"
#include "SetFileText.h"
#include "SetList.h"

namespace {

std::vector<TestSet> Read(const std::string& bytes)
{
    SetList list;
    ParseSetFile(bytes.data(), bytes.size(), list);
    return Contents(list);
}

// The bytes a save writes for what reading these bytes gave.
std::string Resaved(const std::string& bytes)
{
    SetList list;
    ParseSetFile(bytes.data(), bytes.size(), list);
    return FormatSetFile(list);
}

TestSet Named(const std::string& name, const std::string& source = "", const std::string& destination = "")
{
    return {name, source, destination, 0, 0, 0, 0};
}

const char Lead = '\x81';

}

TEST_CASE("set text: NUL bytes end a value and hide the rest of their line")
{
    FlagScope singleByte(EDoubleByte, 0);
    using namespace std::string_literals;
    CHECK(Read("[Na\0me]\r\nSRC=\"C:\\a\0\\b\"\r\nDST=D:\\d\0\r\nDELETE=\0Y\r\nFORCE=Y\0N\r\n"s) ==
          std::vector<TestSet>{{"Na", "C:\\a", "D:\\d", 0, 0, 1, 0}});
    // A line that starts with NUL is no header, so it starts no set.
    CHECK(Read("[A]\r\nSRC=x\r\n\0[B]\r\nSRC=y\r\n"s) == std::vector<TestSet>{Named("A", "y")});
    CHECK(Read(std::string(5000, '\0')).empty());
    // A save writes none of them back.
    std::string saved = Resaved("[N\0x]\r\nSRC=a\0b\r\n"s);
    CHECK(saved.find('\0') == std::string::npos);
    CHECK(saved.rfind("[N]\r\nSRC=\"a\"\r\n", 0) == 0);
}

TEST_CASE("set text: values of 259, 260 and 261 bytes")
{
    FlagScope singleByte(EDoubleByte, 0);
    for (std::size_t length : {258u, 259u, 260u, 261u}) {
        CAPTURE(length);
        std::string value = "C:\\" + std::string(length - 3, 'v');
        std::vector<TestSet> sets = Read("[" + value + "]\r\nSRC=\"" + value + "\"\r\nDST=" + value + "\r\n");
        REQUIRE(sets.size() == 1);
        if (length <= 259) {
            CHECK(sets[0] == Named(value, value, value));
        } else {
            // A name is cut to what the field holds; a folder is never cut,
            // since the shorter path would name another folder.
            CHECK(sets[0] == Named(value.substr(0, 259)));
        }
    }
    // What a save writes of a full-size value reads back the same.
    std::string full = "[" + std::string(259, 'n') + "]\r\nSRC=\"" + std::string(259, 's') +
                       "\"\r\nDST=\"\"\r\nDELETE=N\r\nDOSTIME=N\r\nFORCE=N\r\nEXCLUDEOBJ=N\r\n\r\n";
    CHECK(Resaved(full) == full);
}

TEST_CASE("set text: Shift-JIS lead bytes at every boundary")
{
    FlagScope doubleByte(EDoubleByte, 1);
    const std::string pair = "\x83\x5C";   // ソ, whose second byte is a backslash

    SUBCASE("at the end of the name field")
    {
        // The pair fits in bytes 258-259, straddles 259-260, or starts at 260.
        CHECK(Read("[" + std::string(257, 'n') + pair + "]\r\n") == std::vector<TestSet>{Named(std::string(257, 'n') + pair)});
        CHECK(Read("[" + std::string(258, 'n') + pair + "]\r\n") == std::vector<TestSet>{Named(std::string(258, 'n'))});
        CHECK(Read("[" + std::string(259, 'n') + pair + "]\r\n") == std::vector<TestSet>{Named(std::string(259, 'n'))});
    }
    SUBCASE("at the end of a folder that just fits or does not")
    {
        std::string fits = "C:\\" + std::string(254, 'f') + pair;
        CHECK(Read("[S]\r\nSRC=\"" + fits + "\"\r\n") == std::vector<TestSet>{Named("S", fits)});
        CHECK(Read("[S]\r\nSRC=\"" + fits + "x\"\r\n") == std::vector<TestSet>{Named("S")});
    }
    SUBCASE("before the end of the text, a line end, a quote or a bracket")
    {
        // A lead byte takes whatever follows as its second byte, but never
        // the end of the text.
        CHECK(Read(std::string("[ab") + Lead) == std::vector<TestSet>{Named(std::string("ab") + Lead)});
        CHECK(Read(std::string("[S]\r\nSRC=C:\\") + Lead) == std::vector<TestSet>{Named("S", std::string("C:\\") + Lead)});
        CHECK(Read(std::string("[ab") + Lead + "\r\nSRC=x\r\n") ==
              std::vector<TestSet>{Named(std::string("ab") + Lead + "\r", "x")});
        CHECK(Read(std::string("[S]\r\nSRC=\"C:\\") + Lead + "\"\r\n") ==
              std::vector<TestSet>{Named("S", std::string("C:\\") + Lead + "\"")});
        CHECK(Read(std::string("[a") + Lead + "]]\r\n") == std::vector<TestSet>{Named(std::string("a") + Lead + "]")});
    }
    SUBCASE("at the start of a line and after a flag's '='")
    {
        CHECK(Read(std::string("[A]\r\n") + Lead + "[B]\r\nDELETE=" + Lead + "Y\r\n") ==
              std::vector<TestSet>{Named("A")});
    }
    SUBCASE("at the end of a 1023-byte piece of a long line")
    {
        // The lead byte ends the first piece; its second byte, a '[', starts
        // the next piece, which is then read as a header of its own.
        std::string line = "SRC=" + std::string(1018, 'x') + Lead + "[Next]\r\n";
        std::vector<TestSet> sets = Read("[First]\r\n" + line);
        CHECK(sets == std::vector<TestSet>{Named("Next"), Named("First")});
    }
    SUBCASE("without the double-byte flag every byte stands alone")
    {
        FlagScope singleByte(EDoubleByte, 0);
        CHECK(Read(std::string("[a") + Lead + "]]\r\nSRC=\"C:\\" + Lead + "\"\r\n") ==
              std::vector<TestSet>{Named(std::string("a") + Lead, std::string("C:\\") + Lead)});
    }
}

TEST_CASE("set text: whatever was read, the second save writes what the first wrote")
{
    // A value that ends in half a character takes the byte after it once it
    // is written; from then on the bytes stay the same.
    for (int doubleByte : {0, 1}) {
        FlagScope flag(EDoubleByte, doubleByte);
        for (const std::string& bytes :
             {std::string("[ab") + Lead, std::string("[S]\r\nSRC=\"C:\\") + Lead, std::string("[S\r\nSRC=\"x\"y\"\r"),
              std::string("[[a]]\r\nDST=[b]\r\nEXCLUDEOBJ=y\r\n[c") + Lead + "\n]\r\n"}) {
            CAPTURE(doubleByte);
            CAPTURE(bytes);
            std::string once = Resaved(bytes);
            std::string twice = Resaved(once);
            CHECK(Resaved(twice) == twice);
            if (!doubleByte)
                CHECK(twice == once);
        }
    }
}
