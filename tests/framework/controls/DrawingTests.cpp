#include <doctest/doctest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "EAttributeList.h"
#include "EBrush.h"
#include "EButtonFaces.h"
#include "EFlags.h"
#include "EFont.h"
#include "EMemoryDC.h"
#include "EPaintDC.h"
#include "EPen.h"
#include "EWindowDC.h"
#include "FlagScope.h"
#include "GdiCount.h"
#include "ViewFixture.h"

TEST_CASE("fonts: a face name too long is cut to fit; the interface font follows the language")
{
    EAttributeList list;
    list.Set(EKey::Italic, 0x101).Set(EKey::FaceName, "A face name that is clearly longer than thirty-one characters");
    LOGFONTA font = EBuildLogFont(list);
    CHECK(font.lfItalic == 1);  // the low byte only
    CHECK(std::string(font.lfFaceName) == "A face name that is clearly lon");

    FlagScope english(EJapanese, 0);
    std::unique_ptr<EFont> plain(MakeFont(-12));
    EJapanese = 1;
    std::unique_ptr<EFont> japanese(MakeBoldUIFont(-12));
    CHECK(std::string(plain->Description().lfFaceName) == "Arial");
    // "ＭＳ Ｐゴシック" in Shift-JIS.
    CHECK(std::string(japanese->Description().lfFaceName) ==
          "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e");
    CHECK(japanese->Description().lfCharSet == SHIFTJIS_CHARSET);
    CHECK(japanese->Description().lfWeight == 700);
}

TEST_CASE("drawing objects: created and released in balance")
{
    ViewFixture window;
    EAttributeList list;
    list.Set(EKey::Height, 20).Set(EKey::FaceName, "Arial");
    GdiCount before;
    HGDIOBJ lastMemory = nullptr;
    int failures = 0;
    for (int i = 0; i < 3000; i++) {
        EFont font(list);
        EBrush brush(CreateSolidBrush(RGB(i & 255, 0, 0)));
        EPen pen(PS_SOLID, 1, RGB(0, i & 255, 0));
        EWindowDC windowDC(window.view.Handle());
        // The bitmap is the caller's: the memory context gives it back at its end.
        HBITMAP bitmap = CreateCompatibleBitmap(windowDC.Handle(), 8, 8);
        {
            EMemoryDC memory(windowDC.Handle());
            memory.Select(bitmap);
            memory.Select(font);
            memory.Select(brush.Brush());
            memory.SetPen(PS_SOLID, 1, RGB(0, 0, i & 255));
            memory.SetPen(PS_DOT, 1, RGB(i & 255, 0, 0));
            lastMemory = memory.Handle();
            if (!memory.Handle())
                failures++;
        }
        windowDC.Select(pen);
        if (!font.Font() || !brush.Brush() || !pen.Pen() || !windowDC.Handle() || !bitmap)
            failures++;
        DeleteObject(bitmap);
    }
    for (int i = 0; i < 200; i++) {
        EButtonFaces faces(window.view.Handle(), 22, 21, i % 2 ? "RESB_UP" : "RESB_MISSING", 2);
        EWindowDC windowDC(window.view.Handle());
        faces.Paint(windowDC.Handle(), EFaceDisabled);
    }
    {
        RedrawWindow(window.view.Handle(), nullptr, nullptr, RDW_INVALIDATE);
        EPaintDC paint(window.view.Handle());
        CHECK(paint.Handle() != nullptr);
        paint.SetPen(PS_SOLID, 2, RGB(1, 2, 3));
    }
    GdiCount after;
    CHECK(failures == 0);
    CHECK(GetObjectType(lastMemory) == 0);
    INFO("counted by ", std::string(before.method));
    CHECK(after.objects <= before.objects + 2);

    // The count itself sees objects come and go.
    HBRUSH brushes[50];
    for (HBRUSH& brush : brushes)
        brush = CreateSolidBrush(RGB(1, 2, 3));
    GdiCount more;
    for (HBRUSH brush : brushes)
        DeleteObject(brush);
    GdiCount fewer;
    CHECK(more.objects == after.objects + 50);
    CHECK(fewer.objects == after.objects);
}
