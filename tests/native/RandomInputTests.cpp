// Random input from fixed seeds through the code that parses and cuts text.
// Built with the address and undefined-behaviour sanitizers, which stop the
// run at any read or write outside a buffer; the checks here hold each
// function to its own promises. Every input sits in a heap block of exactly
// its size, so one byte too far is seen.

#include <doctest/doctest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <random>
#include <string>

#include "ECommandLine.h"
#include "EFlags.h"
#include "FakeSetListView.h"
#include "FlagScope.h"
#include "SetFileText.h"
#include "SetLine.h"
#include "SetList.h"
#include "SyncSet.h"
#include "WidePath.h"

namespace {

class Random {
public:
    explicit Random(unsigned seed) : engine(seed) {}
    unsigned Below(unsigned bound) { return bound ? static_cast<unsigned>(engine() % bound) : 0; }
    bool OneIn(unsigned n) { return Below(n) == 0; }
    template <class T, std::size_t N> const T& Pick(const T (&items)[N]) { return items[Below(N)]; }

private:
    std::mt19937 engine;
};

// A copy of text in a heap block of exactly its size, terminator included.
std::unique_ptr<char[]> Exact(const std::string& text)
{
    std::unique_ptr<char[]> copy(new char[text.size() + 1]);
    std::memcpy(copy.get(), text.c_str(), text.size() + 1);
    return copy;
}

// Bytes the parsers treat specially, Shift-JIS lead and trail bytes, and
// now and then any byte at all.
std::string Noise(Random& random, std::size_t maxLength, const char* specials)
{
    std::size_t length = random.Below(static_cast<unsigned>(maxLength + 1));
    std::size_t count = std::strlen(specials);
    std::string text;
    while (text.size() < length) {
        unsigned roll = random.Below(10);
        if (roll < 5)
            text += specials[random.Below(static_cast<unsigned>(count))];
        else if (roll < 7)
            text += random.Pick({'\x81', '\x9F', '\xE0', '\xFD', '\x5C', '\x5B', '\x40', '\xFC'});
        else if (roll < 9)
            text += static_cast<char>('a' + random.Below(26));
        else
            text += static_cast<char>(random.Below(256));
    }
    return text;
}

std::string RandomSetFile(Random& random)
{
    static const char* const tokens[] = {"[",        "]",       "\"",          "\r\n",   "\n",     "\r",
                                         "SRC=",     "DST=\"",  "DELETE=Y",   "dostime=y", "FORCE=",   "EXCLUDEOBJ=Y",
                                         "src =x",   "C:\\",    "[Set]\r\n",  "=",      "Y",      " "};
    std::string bytes;
    int pieces = static_cast<int>(random.Below(60));
    for (int i = 0; i < pieces; ++i) {
        unsigned roll = random.Below(20);
        if (roll < 12)
            bytes += random.Pick(tokens);
        else if (roll < 18)
            bytes += Noise(random, 12, "[]\"\r\n=Y \\");
        else if (roll < 19)
            bytes += std::string(random.Below(1100), static_cast<char>('x' + random.Below(2)));
        else
            bytes += std::string(1, '\0');
    }
    return bytes;
}

// The name box lists the sets' names in order, and every source fits its field.
void CheckInStep(const FakeSetListView& view, const SetList& list)
{
    REQUIRE(view.names.size() == static_cast<std::size_t>(list.Count()));
    for (int n = 0; n < list.Count(); ++n) {
        REQUIRE(view.names[static_cast<std::size_t>(n)] == list.NameAt(n));
        REQUIRE(std::strlen(list.RecordAt(n).Source()) <= 259);
    }
}

std::string Resaved(const std::string& bytes)
{
    SetList list;
    ParseSetFile(bytes.data(), bytes.size(), list);
    return FormatSetFile(list);
}

// Runs body on count inputs drawn from one fixed seed; a failure names the
// input that broke.
template <class Body> void ForEachInput(unsigned seed, int count, Body body)
{
    Random random(seed);
    for (int i = 0; i < count; ++i) {
        INFO("input ", i);
        body(random);
    }
}

}

TEST_CASE("random set files: every value fits its field and a second save settles")
{
    ForEachInput(20240501, 15000, [](Random& random) {
        FlagScope doubleByte(EDoubleByte, static_cast<int>(random.Below(2)));
        std::string bytes = RandomSetFile(random);
        std::unique_ptr<char[]> exact(new char[bytes.size()]);
        std::memcpy(exact.get(), bytes.data(), bytes.size());
        FakeSetListView view;
        SetList list(&view);
        ParseSetFile(exact.get(), bytes.size(), list);
        CheckInStep(view, list);
        for (int n = 0; n < list.Count(); ++n) {
            const char* name = list.NameAt(n);
            REQUIRE(name[0] != '\0');
            for (const char* value : {name, list.RecordAt(n).Source(), list.RecordAt(n).Destination()}) {
                REQUIRE(std::strlen(value) <= 259);
                if (!EDoubleByte)
                    REQUIRE_FALSE(std::strpbrk(value, value == name ? "[]\"\r\n" : "\"\r\n"));
            }
        }
        std::string once = FormatSetFile(list);
        std::string twice = Resaved(once);
        REQUIRE(Resaved(twice) == twice);
        if (!EDoubleByte)
            REQUIRE(twice == once);
    });
}

TEST_CASE("random set lines: values are cleaned inside their line and fit their fields")
{
    ForEachInput(7, 20000, [](Random& random) {
        FlagScope doubleByte(EDoubleByte, static_cast<int>(random.Below(2)));
        static const char* const keys[] = {"", "[", "SRC=", "dst=", "DELETE=", "FORCE=", "DOSTIME=", "EXCLUDEOBJ="};
        std::string line = std::string(random.Pick(keys)) + Noise(random, random.OneIn(8) ? 600 : 40, "[]\"\r\n =Yy");
        std::size_t visible = std::strlen(line.c_str());

        std::unique_ptr<char[]> value = Exact(line);
        SetValueKind kind = random.OneIn(2) ? SetValueKind::Name : SetValueKind::Folder;
        std::size_t length = CleanSetValue(value.get(), kind);
        REQUIRE(length <= visible);
        REQUIRE(value[length] == '\0');
        if (!EDoubleByte) {
            REQUIRE_FALSE(std::strpbrk(value.get(), "\"\r\n"));
            REQUIRE((kind == SetValueKind::Folder || !std::strpbrk(value.get(), "[]")));
        }

        std::unique_ptr<char[]> parsed = Exact(line);
        CurrentSet current;
        int fitted = ParseSetLine(parsed.get(), current);
        // Each field ends within its own bytes.
        for (const char* field : {current.name, current.source, current.destination})
            REQUIRE(std::memchr(field, '\0', CurrentSet::TextSize) != nullptr);
        REQUIRE((fitted == 0 || fitted == 1));
        for (int flag : {current.deleteFlag, current.dosTimeFlag, current.forceFlag, current.excludeObjectFlag})
            REQUIRE((flag == 0 || flag == 1));
    });
}

TEST_CASE("random command lines: arguments lie inside the text and lose only blanks and quotes")
{
    auto strip = [](std::string text) {
        auto blankOrQuote = [](char c) { return c == ' ' || c == '\t' || c == '"'; };
        text.erase(std::remove_if(text.begin(), text.end(), blankOrQuote), text.end());
        return text;
    };
    ForEachInput(99, 20000, [&](Random& random) {
        std::string text = Noise(random, 80, " \t\"\" a\\");
        text = text.c_str();
        std::unique_ptr<char[]> buffer = Exact(text);
        int maxArgs = static_cast<int>(random.Below(8));
        std::unique_ptr<char*[]> args(new char*[static_cast<std::size_t>(maxArgs)]);
        int count = ECommandLine::Split(buffer.get(), args.get(), maxArgs);
        INFO("text '", text, "'");
        REQUIRE(count >= 0);
        REQUIRE(count <= maxArgs);
        std::string joined;
        for (int a = 0; a < count; ++a) {
            REQUIRE(args[a] >= buffer.get());
            REQUIRE(args[a] <= buffer.get() + text.size());
            joined += strip(args[a]);
        }
        std::string all = strip(text);
        REQUIRE(all.compare(0, joined.size(), joined) == 0);
        if (count < maxArgs)
            REQUIRE(joined == all);
    });
}

TEST_CASE("random long paths: cut, joined and shown without leaving their root")
{
    static const wchar_t* const roots[] = {L"\\\\?\\D:\\", L"\\\\?\\UNC\\server\\share\\", L"\\\\?\\Volume{1}\\"};
    static const wchar_t pieces[] = {L'a', L'.', L' ', L'\\', L'\\', 0x00E9, 0x8868, 0xD83D, 0xDE00, L'~'};
    ForEachInput(4242, 20000, [](Random& random) {
        std::wstring root = random.Pick(roots);
        std::wstring path = root;
        for (unsigned n = random.Below(random.OneIn(8) ? 700 : 40); n > 0; --n)
            path += random.Pick(pieces);
        REQUIRE(LongPath(path) == path);
        REQUIRE(RootLength(path) == root.size());
        std::wstring shown = ShownPath(path);
        REQUIRE(LongPath(shown) == path);
        std::wstring cut = path;
        for (int steps = 0; CutLastName(&cut); ++steps) {
            REQUIRE(cut.size() < path.size());
            REQUIRE(cut.size() >= root.size());
            REQUIRE(path.compare(0, cut.size(), cut) == 0);
            REQUIRE(steps < 800);
        }
        REQUIRE(cut.compare(0, root.size(), root) == 0);
        std::wstring name = LastName(path);
        REQUIRE(name.find(L'\\') == std::wstring::npos);
        REQUIRE(JoinName(path.substr(0, path.size() - name.size()), name) == path);
    });
}

TEST_CASE("random edits of the set list keep the name box in step")
{
    ForEachInput(555, 1000, [](Random& random) {
        FlagScope japanese(EJapanese, static_cast<int>(random.Below(2)));
        FakeSetListView view;
        SetList list(&view);
        for (int step = 0; step < 100; ++step) {
            int count = list.Count();
            switch (random.Below(9)) {
            case 0:
                list.NewSet();
                break;
            case 1:
                list.DeleteSet();
                break;
            case 2:
                list.CommitFields();
                break;
            case 3:
                view.selection = count ? static_cast<int>(random.Below(static_cast<unsigned>(count))) : -1;
                list.ChooseSet();
                break;
            case 4:
                list.RemoveSetAt(static_cast<int>(random.Below(static_cast<unsigned>(count + 4))) - 2);
                break;
            case 5:
                list.LoadSetAt(static_cast<int>(random.Below(static_cast<unsigned>(count + 4))) - 2);
                list.ShowCurrent();
                break;
            case 6: {
                std::string name = Noise(random, random.OneIn(5) ? 259 : 10, "[] ");
                std::string folder = Noise(random, random.OneIn(5) ? 259 : 10, "\\:");
                view.Type(name.c_str(), folder.c_str(), folder.c_str());
                break;
            }
            case 7:
                list.RefreshTopSet();
                break;
            default:
                if (random.OneIn(5))
                    list.Clear();
                break;
            }
            INFO("step ", step);
            CheckInStep(view, list);
        }
    });
}
