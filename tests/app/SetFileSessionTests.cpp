#include <doctest/doctest.h>

#include <windows.h>

#include <cstring>
#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "BoxRecorder.h"
#include "EFlags.h"
#include "FakeSetListView.h"
#include "FakeSettingsWindow.h"
#include "FlagScope.h"
#include "LockedPath.h"
#include "ProgramSettings.h"
#include "SetFileSession.h"
#include "SetFileWindow.h"
#include "SetList.h"
#include "TempFolder.h"
#include "TestProcess.h"
#include "TreeBuilder.h"

namespace {

const char TwoSets[] = "[Old]\r\nSRC=\"C:\\old\"\r\nDST=\"D:\\old\"\r\n"
                       "DELETE=N\r\nDOSTIME=N\r\nFORCE=N\r\nEXCLUDEOBJ=N\r\n\r\n"
                       "[Top]\r\nSRC=\"C:\\top\"\r\nDST=\"D:\\top\"\r\n"
                       "DELETE=Y\r\nDOSTIME=N\r\nFORCE=N\r\nEXCLUDEOBJ=N\r\n\r\n";

// The file dialog answers from a script: (1, path) chooses, (0, "") cancels.
class FakeSetFileWindow : public SetFileWindow {
public:
    HWND Owner() override { return nullptr; }
    int ChooseSetFile(Dialog dialog, std::string& path) override
    {
        asked.push_back(dialog);
        if (choices.empty())
            return 0;
        std::pair<int, std::string> choice = choices.front();
        choices.pop_front();
        if (choice.first)
            path = choice.second;
        return choice.first;
    }
    void Repaint() override { ++repaints; }
    // Answers from a script too; Cancel when it has run out.
    Answer AskAboutSetFile(Question question, const std::string& text, bool stoppable) override
    {
        questions.push_back({question, text, stoppable});
        if (answers.empty())
            return CancelAnswer;
        Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    struct Asked {
        Question question;
        std::string text;
        bool stoppable;
    };

    std::deque<std::pair<int, std::string>> choices;
    std::vector<Dialog> asked;
    std::deque<Answer> answers;
    std::vector<Asked> questions;
    int repaints = 0;
};

// A session over fakes, without the program's registry keys before or after.
struct SessionFixture {
    SessionFixture() : sets(&view), session(sets, window, settings) {}

    CleanProgramSettings clean;
    TempFolder folder;
    std::string path = folder / "sets.ini";
    FakeSetListView view;
    SetList sets;
    FakeSetFileWindow window;
    FakeSettingsWindow settings;
    SetFileSession session;
};

}

TEST_CASE("set-file session: a write that fails keeps the old file and offers Save As until one works")
{
    SessionFixture f;
    WriteWholeFile(f.path, TwoSets);
    RememberSetFile(f.path);
    REQUIRE(f.session.Start() == 1);
    BoxRecorder boxes;
    f.view.Type("Renamed", "C:\\new", "D:\\new");
    std::string other = f.folder / "other.ini";
    std::string failed = "Can't write the set file '" + f.path + "'. Another program is using the file.\r\n\r\n"
                         "The sets of this window are not saved. Save them in another file?";
    {
        LockedPath held(f.path);
        REQUIRE(held.Held());
        // Cancel keeps the window; Save As with a cancelled dialog asks
        // again; the same file again fails again; another one works.
        f.window.answers = {SetFileWindow::CancelAnswer, SetFileWindow::SaveAsAnswer, SetFileWindow::SaveAsAnswer,
                            SetFileWindow::SaveAsAnswer};
        f.window.choices = {{0, ""}, {1, f.path}, {1, other}};
        CHECK_FALSE(f.session.SaveOnClose(true));
        CHECK(SettingText("Ini file") == f.path);
        CHECK(f.session.SaveOnClose(true));
    }
    CHECK(boxes.boxes.empty());
    REQUIRE(f.window.questions.size() == 4);
    for (const auto& asked : f.window.questions) {
        CHECK(asked.question == SetFileWindow::FailedQuestion);
        CHECK(asked.text == failed);
        CHECK(asked.stoppable);
    }
    CHECK(ReadWholeFile(f.path) == TwoSets);
    CHECK(ReadWholeFile(other).find("[Renamed]\r\nSRC=\"C:\\new\"") != std::string::npos);
    CHECK(f.session.Path() == other);
    CHECK(SettingText("Ini file") == other);
    // Closed: nothing more is asked.
    CHECK(f.session.SaveOnClose(true));
    CHECK(f.window.questions.size() == 4);
}

TEST_CASE("set-file session: closing without a known file asks where to save")
{
    SessionFixture f;
    REQUIRE(f.session.Start() == 0);
    f.sets.NewSet();
    // Cancelled: no set file, but the window's settings are kept (the main
    // window tests choose a file there).
    f.window.choices = {{0, ""}};
    f.session.SaveOnClose();
    CHECK(FolderNames(f.folder.Path()).empty());
    CHECK(SettingText("Ini file") == "<none>");
    CHECK(SettingNumber("Width") == 488);
    // A second close (the window's destruction after an earlier one) asks nothing.
    f.session.SaveOnClose();
    CHECK(f.window.asked == std::vector<SetFileWindow::Dialog>{SetFileWindow::SaveDialog});
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
            SessionFixture f;
            std::string named = kind == "held" ? f.path : kind.find('.') != std::string::npos ? f.folder / kind : kind;
            if (kind == "a folder.ini")
                MakeFolder(named);
            CAPTURE(named);
            CAPTURE(madeSets);
            RememberSetFile(named);
            std::unique_ptr<LockedPath> held;
            if (kind == "held") {
                WriteWholeFile(f.path, TwoSets);
                held.reset(new LockedPath(f.path));
                REQUIRE(held->Held());
            }
            CHECK(f.session.Start() == 1);
            held.reset();
            CHECK(f.sets.Count() == 0);
            BoxRecorder boxes;
            std::string other = f.folder / "other.ini";
            if (madeSets) {
                // Offered another file, with the reason.
                f.view.Type("Made", "C:\\m", "D:\\m");
                f.window.answers = {SetFileWindow::SaveAsAnswer};
                f.window.choices = {{1, other}};
                f.session.SaveOnClose();
                CHECK(boxes.boxes.empty());
                REQUIRE(f.window.questions.size() == 1);
                CHECK(f.window.questions[0].text.find("Can't write the set file '" + named +
                                                      "'. The file could not be read, so it was left as it was.") == 0);
                CHECK_FALSE(f.window.questions[0].stoppable);
                CHECK(ReadWholeFile(other).find("[Made]\r\n") == 0);
                CHECK(SettingText("Ini file") == other);
            } else {
                // With the list still empty, closing leaves it silently.
                f.session.SaveOnClose();
                CHECK(boxes.boxes.empty());
                CHECK(f.window.asked.empty());
                CHECK(f.window.questions.empty());
                CHECK(SettingText("Ini file") == named);
            }
            if (kind == "held")
                CHECK(ReadWholeFile(f.path) == TwoSets);
            CHECK(FolderNames(current.Path()).empty());
        }
    }
    SetCurrentDirectoryA(previous);
}

TEST_CASE("set-file session: the File menu's open and save")
{
    SessionFixture f;
    WriteWholeFile(f.path, TwoSets);
    REQUIRE(f.session.Start() == 0);
    f.sets.NewSet();
    // The new set is not saved anywhere: each open asks first, and No drops it.
    BoxRecorder boxes(IDNO);

    // Cancelled dialogs change nothing.
    f.window.choices = {{0, ""}, {0, ""}};
    f.session.Open();
    f.session.SaveAs();
    CHECK(f.session.Path().empty());
    CHECK(f.sets.Count() == 1);
    CHECK(f.window.repaints == 0);

    f.window.choices = {{1, f.path}};
    f.session.Open();
    CHECK(f.sets.Count() == 2);
    CHECK(f.session.Path() == f.path);
    CHECK(boxes.boxes.size() == 2);

    // A name that does not exist yet opens as an empty list and is created
    // when the window closes.
    std::string fresh = f.folder / "fresh.ini";
    f.window.choices = {{1, fresh}};
    f.session.Open();
    CHECK(f.sets.Count() == 0);
    // The fields of the file left are not a set of this one.
    CHECK(std::string(f.view.fields.source).empty());
    f.view.Type("First", "C:\\a", "D:\\a");
    f.session.SaveOnClose();
    CHECK(ReadWholeFile(fresh).find("[First]\r\n") == 0);
    CHECK(ReadWholeFile(f.path) == TwoSets);
    CHECK(f.window.asked == std::vector<SetFileWindow::Dialog>{SetFileWindow::OpenDialog, SetFileWindow::SaveDialog,
                                                                SetFileWindow::OpenDialog, SetFileWindow::OpenDialog});
}

TEST_CASE("set-file session: Japanese dialog texts")
{
    FlagScope japanese(EJapanese, 1);
    CHECK(std::string(SetFileDialogTitle(SetFileWindow::OpenDialog)) ==
          "\x90\xDD\x92\xE8\xCC\xA7\xB2\xD9\x82\xF0\x8A\x4A\x82\xAD");
    CHECK(std::string(SetFileDialogTitle(SetFileWindow::SaveDialog)) ==
          "\x90\xDD\x92\xE8\xCC\xA7\xB2\xD9\x82\xCC\x95\xDB\x91\xB6");
    const char* filter = SetFileDialogFilter();
    CHECK(std::string(filter) == "INI\xCC\xA7\xB2\xD9(*.ini)");
    CHECK(std::string(filter + std::strlen(filter) + 1) == "*.ini");
}
