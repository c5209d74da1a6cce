#include "BoxRecorder.h"
#include "EFlags.h"
#include "FlagScope.h"
#include "MessageBoxes.h"

#include <doctest/doctest.h>

#include <cstring>
#include <string>

TEST_CASE("message boxes carry the caption and buttons of their kind in both languages")
{
    BoxRecorder boxes;
    ErrorBox(nullptr, "Error CopyFile %d", 5);
    WarningBox(nullptr, "w");
    FatalBox(nullptr, "Can't find dialog template '%s'", "X_E");
    CHECK(ConfirmationBox(nullptr, "c") == IDOK);
    struct Row {
        const char* caption;
        UINT style;
        const char* text;
    } rows[] = {{"Error", MB_OK | MB_ICONHAND, "Error CopyFile 5"},
                {"Warning", 0x10, "w"},
                {"Fatal", MB_OK | MB_ICONHAND, "Can't find dialog template 'X_E'"},
                {"Confirmation", 0x31, "c"}};
    REQUIRE(boxes.boxes.size() == 4);
    for (std::size_t n = 0; n < 4; ++n) {
        CAPTURE(rows[n].caption);
        CHECK(boxes.boxes[n].caption == rows[n].caption);
        CHECK(boxes.boxes[n].style == rows[n].style);
        CHECK(boxes.boxes[n].text == rows[n].text);
    }
    // The Japanese captions come from the same table: one read back.
    FlagScope japanese(EJapanese, 1);
    FatalBox(nullptr, "f");
    CHECK(boxes.LastText() == "f");
    CHECK(boxes.boxes.back().caption == "\x92\x76\x96\xBD\x93\x49\x82\xC8\xB4\xD7\xB0");  // 致命的なｴﾗｰ
}

TEST_CASE("a text longer than the box buffer is cut, never overrun")
{
    BoxRecorder boxes;
    std::string longPath(700, 'p');
    ErrorBox(nullptr, "%s is in use", longPath.c_str());
    REQUIRE(boxes.boxes.size() == 1);
    CHECK(boxes.LastText().size() == EMessageTextSize - 1);
    CHECK(boxes.LastText() == std::string(EMessageTextSize - 1, 'p'));

    // A cut that would split a double-byte character drops its lead byte.
    FlagScope japanese(EJapanese, 1);
    FlagScope doubleByte(EDoubleByte, 1);
    std::string kanji;
    for (int i = 0; i < 400; ++i)
        kanji += "\x95\x5C";
    ErrorBox(nullptr, "%s", kanji.c_str());
    std::string text = boxes.LastText();
    CHECK(text.size() == EMessageTextSize - 2);
    CHECK(static_cast<unsigned char>(text.back()) == 0x5C);
}
