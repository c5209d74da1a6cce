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
    REQUIRE(boxes.boxes.size() == 4);
    CHECK(boxes.boxes[0].text == "Error CopyFile 5");
    CHECK(boxes.boxes[0].caption == "Error");
    CHECK(boxes.boxes[0].style == (MB_OK | MB_ICONHAND));
    CHECK(boxes.boxes[1].caption == "Warning");
    CHECK(boxes.boxes[1].style == 0x10);
    CHECK(boxes.boxes[2].caption == "Fatal");
    CHECK(boxes.boxes[2].text == "Can't find dialog template 'X_E'");
    CHECK(boxes.boxes[3].caption == "Confirmation");
    CHECK(boxes.boxes[3].style == 0x31);

    FlagScope japanese(EJapanese, 1);
    FlagScope doubleByte(EDoubleByte, 1);
    ErrorBox(nullptr, "Error CopyFile %d", 5);
    WarningBox(nullptr, "w");
    FatalBox(nullptr, "f");
    ConfirmationBox(nullptr, "c");
    REQUIRE(boxes.boxes.size() == 8);
    CHECK(boxes.boxes[4].text == "Error CopyFile 5");
    CHECK(boxes.boxes[4].caption == "\xB4\xD7\xB0");  // ｴﾗｰ
    CHECK(boxes.boxes[5].caption == "\x92\x8D\x88\xD3");  // 注意
    CHECK(boxes.boxes[6].caption == "\x92\x76\x96\xBD\x93\x49\x82\xC8\xB4\xD7\xB0");  // 致命的なｴﾗｰ
    CHECK(boxes.boxes[7].caption == "\x8A\x6D\x94\x46");  // 確認
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

TEST_CASE("the reporter seam hands back the one installed before")
{
    BoxRecorder outer;
    {
        BoxRecorder inner;
        ErrorBox(nullptr, "inner");
        CHECK(inner.boxes.size() == 1);
    }
    ErrorBox(nullptr, "outer");
    REQUIRE(outer.boxes.size() == 1);
    CHECK(outer.LastText() == "outer");
}
