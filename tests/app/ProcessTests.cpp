#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "ProgramSettings.h"
#include "TempFolder.h"
#include "TestProcess.h"

namespace {

// Runs the entry probe from a folder; returns its exit code and what it
// wrote, one "name=value" line each.
std::string RunProbe(const std::string& probe, const std::string& currentFolder = "")
{
    TempFolder out;
    std::string file = out / "probe.txt";
    std::string env = "OMBREL_PROBE_OUT=" + file;
    std::string command = "\"" + probe + "\"";
    DWORD code = RunToEnd(command, 30000, env, currentFolder);
    std::string text = ReadWholeFile(file);
    // Once in CI a fresh copy of the probe wrote nothing at all; its start
    // is not what these cases check, so it gets one more start, told.
    if (text.empty()) {
        MESSAGE("the probe wrote nothing (exit code " << code << "); started again");
        code = RunToEnd(command, 30000, env, currentFolder);
        text = ReadWholeFile(file);
    }
    return "exit=" + std::to_string(code) + "\n" + text;
}

std::string Probe()
{
    return TestBinaryFolder() + "\\entry_probe.exe";
}

// A probe with the stand-in code-conversion library beside it.
struct ProbeWithLibrary {
    TempFolder folder;
    std::string probe = folder / "entry_probe.exe";
    ProbeWithLibrary()
    {
        REQUIRE(CopyFileA(Probe().c_str(), probe.c_str(), FALSE));
        REQUIRE(CopyFileA((TestBinaryFolder() + "\\mirsol\\MIRSOL.DLL").c_str(), (folder / "MIRSOL.DLL").c_str(),
                          FALSE));
    }
};

}

// A child takes the locale of the process that starts it, so this case runs
// once per mode (ctest starts this program a second time in Japanese) and
// expects what the mode of the test process itself implies.
TEST_CASE("process entry: language and double-byte detection")
{
    const bool japaneseSystem = GetACP() == 932;
    const std::string system = japaneseSystem ? "1" : "0";
    INFO("test process code page " << GetACP());
    enum Library { None, Beside, InCurrentFolder };
    struct Case {
        int force;         // "Force english"; -1 when absent
        Library library;   // the stand-in library, beside the program or in the current folder
        std::string japanese, mirsol;
    } cases[] = {
        {-1, None, system, "0"},
        // On a Japanese system the library is not even tried.
        {-1, Beside, system, japaneseSystem ? "0" : "1"},
        {1, None, "0", "0"},
        {1, Beside, "0", "1"},
        {0, None, system, "0"},
        // A library in the current folder is never loaded.
        {1, InCurrentFolder, "0", "0"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.force);
        CAPTURE(c.library);
        if (c.force >= 0)
            SetForceEnglish(c.force);
        ProbeWithLibrary beside;
        std::string said = c.library == Beside            ? RunProbe(beside.probe)
                           : c.library == InCurrentFolder ? RunProbe(Probe(), beside.folder.Path())
                                                          : RunProbe(Probe());
        RemoveForceEnglish();
        // Double-byte follows the code page, never the library or the switch.
        CHECK(said == "exit=1\njapanese=" + c.japanese + "\ndoublebyte=" + system + "\nsmallscreen=0\nmirsol=" +
                          c.mirsol + "\n");
    }
}
