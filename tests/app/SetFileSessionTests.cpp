#include <doctest/doctest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "BoxRecorder.h"
#include "DialogScript.h"
#include "EDropDownCombo.h"
#include "LockedPath.h"
#include "MainWindowFixture.h"
#include "SetFileSession.h"
#include "TestProcess.h"
#include "TreeBuilder.h"

namespace {

typedef DialogScript S;

const char TwoSets[] = "[Old]\r\nSRC=\"C:\\old\"\r\nDST=\"D:\\old\"\r\n"
                       "DELETE=N\r\nDOSTIME=N\r\nFORCE=N\r\nEXCLUDEOBJ=N\r\n\r\n"
                       "[Top]\r\nSRC=\"C:\\top\"\r\nDST=\"D:\\top\"\r\n"
                       "DELETE=Y\r\nDOSTIME=N\r\nFORCE=N\r\nEXCLUDEOBJ=N\r\n\r\n";

}

TEST_CASE("set-file session: a set file that cannot be read is neither replaced nor written")
{
    // Relative names resolve here: nothing may appear in it.
    TempFolder current;
    char previous[MAX_PATH];
    GetCurrentDirectoryA(sizeof previous, previous);
    REQUIRE(SetCurrentDirectoryA(current.Path().c_str()));
    // The set file held by another program while it is read, a folder, and
    // device names, alone or with a folder and an extension.
    for (std::string kind : {"held", "a folder.ini", "CON", "NUL", "COM1", "nul.ini"}) {
        for (bool madeSets : {false, true}) {
            MainWindowFixture f;
            std::string named = kind == "held" ? f.folder / "sets.ini"
                                : kind.find('.') != std::string::npos ? f.folder / kind : kind;
            if (kind == "a folder.ini")
                MakeFolder(named);
            CAPTURE(named);
            CAPTURE(madeSets);
            RememberSetFile(named);
            std::unique_ptr<LockedPath> held;
            if (kind == "held") {
                WriteWholeFile(named, TwoSets);
                held.reset(new LockedPath(named));
                REQUIRE(held->Held());
            }
            f.Open();
            held.reset();
            CHECK(f.window->Sets().Count() == 0);
            BoxRecorder boxes;
            std::string other = f.folder / "other.ini";
            S script;
            if (madeSets) {
                // Offered another file, with the reason.
                f.Type(f.window->NameBox(), "Made");
                script.Add(S::Press(IDYES));
                script.Add(S::ChooseFile(other));
            }
            f.Close();
            CHECK(!IsWindow(f.handle));
            CHECK(boxes.boxes.empty());
            CHECK(script.unexpected == 0);
            if (madeSets) {
                REQUIRE(script.seen.size() == 2);
                CHECK(script.seen[0].text.find("Can't write the set file '" + named +
                                               "'. The file could not be read, so it was left as it was.") == 0);
                CHECK(ReadWholeFile(other).find("[Made]\r\n") == 0);
            }
            // With the list still empty, closing leaves it silently.
            CHECK(script.seen.size() == (madeSets ? 2u : 0u));
            CHECK(SettingText("Ini file") == (madeSets ? other : named));
            if (kind == "held")
                CHECK(ReadWholeFile(named) == TwoSets);
            CHECK(FolderNames(current.Path()).empty());
        }
    }
    SetCurrentDirectoryA(previous);
}
