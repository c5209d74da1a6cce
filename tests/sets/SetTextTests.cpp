// The set list in memory: the set file's text as the reader takes it, its
// lines one by one (loose line ends and keys, NUL bytes, values at the field
// size, Shift-JIS lead bytes at every boundary) and edits through the name
// box. Nothing here touches a file, so these cases also run natively under
// the sanitizers.

#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "CurrentSet.h"
#include "EFlags.h"
#include "FakeSetListView.h"
#include "FlagScope.h"
#include "SetFileTesting.h"
#include "SetFileText.h"
#include "SetLine.h"
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

std::vector<std::string> Names(const SetList& list)
{
    std::vector<std::string> names;
    for (int i = 0; i < list.Count(); ++i)
        names.push_back(list.NameAt(i));
    return names;
}

// Parses the lines in turn into a fresh current set.
CurrentSet Parse(const std::vector<std::string>& lines)
{
    CurrentSet current;
    for (std::string line : lines)
        ParseSetLine(&line[0], current);
    return current;
}

const char Lead = '\x81';
const std::string Pair = "\x83\x5C";   // ソ, whose second byte is a backslash
using namespace std::string_literals;

}

TEST_CASE("set text: what the reader makes of loose, odd and cut bytes")
{
    const std::string n257(257, 'n'), n258(258, 'n'), n259(259, 'n');
    const std::string fits = "C:\\" + std::string(254, 'f') + Pair;
    struct Case {
        const char* label;
        int doubleByte;
        std::string bytes;
        std::vector<TestSet> sets;
    } cases[] = {
        {"LF alone, lower-case keys, no final line end", 0, "[A]\nsrc=\"C:\\a\"\nDsT=C:\\b\ndelete=yes",
         {{"A", "C:\\a", "C:\\b", 1, 0, 0, 0}}},
        {"lines ending in CR alone read as one line", 0, "[One]\rSRC=\"C:\\a\"\rDELETE=Y\r", {Named("One")}},
        {"sections before any header and with empty names are dropped with their keys", 0,
         "SRC=pre\r\nDELETE=Y\r\n[]\r\nSRC=a\r\n[\"\"]\r\nSRC=b\r\n[B]\r\nDST=d\r\n[[]]\r\nFORCE=Y\r\n",
         {Named("B", "", "d")}},
        {"equal names stay separate", 0, "[S]\r\nSRC=1\r\n[S]\r\nSRC=2\r\n", {Named("S", "2"), Named("S", "1")}},
        {"no sections", 0, "just text\r\n", {}},
        {"quotes leave names and folders, brackets only names", 0, "[\"a\"[b]]\r\nSRC=\"C:\\x\"y [z]\"\r\n",
         {Named("ab", "C:\\xy [z]")}},
        {"a long line comes in pieces of 1023 bytes", 0, "[A]\r\nFORCE=N" + std::string(1016, ' ') + "DELETE=Y\r\n",
         {{"A", "", "", 1, 0, 0, 0}}},
        {"NUL bytes end a value and hide the rest of their line", 0,
         "[Na\0me]\r\nSRC=\"C:\\a\0\\b\"\r\nDST=D:\\d\0\r\nDELETE=\0Y\r\nFORCE=Y\0N\r\n"s,
         {{"Na", "C:\\a", "D:\\d", 0, 0, 1, 0}}},
        {"a line that starts with NUL is no header", 0, "[A]\r\nSRC=x\r\n\0[B]\r\nSRC=y\r\n"s, {Named("A", "y")}},
        {"NUL bytes alone", 0, std::string(5000, '\0'), {}},
        {"a pair fits in bytes 258-259 of a name", 1, "[" + n257 + Pair + "]\r\n", {Named(n257 + Pair)}},
        {"a pair straddling byte 259 of a name", 1, "[" + n258 + Pair + "]\r\n", {Named(n258)}},
        {"a pair starting at byte 260 of a name", 1, "[" + n259 + Pair + "]\r\n", {Named(n259)}},
        {"a pair at the end of a folder that just fits", 1, "[S]\r\nSRC=\"" + fits + "\"\r\n", {Named("S", fits)}},
        {"a folder one byte too long", 1, "[S]\r\nSRC=\"" + fits + "x\"\r\n", {Named("S")}},
        {"a lead byte at the end of the text", 1, "[ab"s + Lead, {Named("ab"s + Lead)}},
        {"a lead byte at the end of a folder", 1, "[S]\r\nSRC=C:\\"s + Lead, {Named("S", "C:\\"s + Lead)}},
        {"a lead byte before a line end", 1, "[ab"s + Lead + "\r\nSRC=x\r\n", {Named("ab"s + Lead + "\r", "x")}},
        {"a lead byte before a quote", 1, "[S]\r\nSRC=\"C:\\"s + Lead + "\"\r\n", {Named("S", "C:\\"s + Lead + "\"")}},
        {"a lead byte before a bracket", 1, "[a"s + Lead + "]]\r\n", {Named("a"s + Lead + "]")}},
        {"a lead byte at the start of a line and after a flag's '='", 1,
         "[A]\r\n"s + Lead + "[B]\r\nDELETE=" + Lead + "Y\r\n", {Named("A")}},
        // The lead byte ends the first piece; its second byte, a '[',
        // starts the next piece, which is then read as a header of its own.
        {"a lead byte at the end of a 1023-byte piece", 1, "[First]\r\nSRC=" + std::string(1018, 'x') + Lead + "[Next]\r\n",
         {Named("Next"), Named("First")}},
        {"without the double-byte flag every byte stands alone", 0, "[a"s + Lead + "]]\r\nSRC=\"C:\\" + Lead + "\"\r\n",
         {Named("a"s + Lead, "C:\\"s + Lead)}},
    };
    for (const Case& c : cases) {
        INFO(c.label);
        FlagScope flag(EDoubleByte, c.doubleByte);
        CHECK(Read(c.bytes) == c.sets);
        CHECK_FALSE(IsCompleteSetFile(c.bytes));
        // A value that ends in half a character takes the byte after it once
        // it is written; from then on the bytes stay the same, with no NUL.
        std::string once = Resaved(c.bytes);
        std::string twice = Resaved(once);
        CHECK(once.find('\0') == std::string::npos);
        CHECK(Resaved(twice) == twice);
        if (!c.doubleByte)
            CHECK(twice == once);
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

TEST_CASE("set list: equal names stay distinct sets; indices past the end are harmless")
{
    FakeSetListView view;
    SetList list(&view);
    // Filled through the fields; the list reads the same both ways.
    for (const char* name : {"Same", "Other", "Same"}) {
        view.Type(name, (name + std::string("-src")).c_str(), (name + std::string("-dst")).c_str());
        list.ReadFields();
        list.InsertCurrentAtTop();
    }
    list.LoadSetAt(0);
    list.ShowCurrent();
    list.SelectTop();
    CHECK(std::string(list.RecordAt(0).Source()) == "Same-src");
    view.Type("Same", "first", "first");
    list.CommitFields();
    view.selection = 2;
    list.ChooseSet();
    CHECK(Names(list) == std::vector<std::string>{"Same", "Same", "Other"});
    CHECK(std::string(list.RecordAt(0).Source()) == "Same-src");
    CHECK(std::string(list.RecordAt(1).Source()) == "first");

    list.RemoveSetAt(3);
    list.RemoveSetAt(-1);
    CHECK(list.Count() == 3);
    list.LoadSetAt(7);
    CHECK(std::string(list.Current().name) == "New set");
    // The name box mirrors the list.
    CHECK(view.names == Names(list));

    list.Clear();
    CHECK(list.Count() == 0);
    CHECK(view.names.empty());
}
