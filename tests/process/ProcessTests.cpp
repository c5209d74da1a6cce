#include <doctest/doctest.h>

#include <windows.h>

#include <map>
#include <string>

#include "TempFolder.h"
#include "TestProcess.h"

namespace {

typedef std::map<std::string, std::string> Report;

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

// Runs the entry probe with a command-line tail and environment; returns
// what it wrote.
Report RunProbe(const std::string& probe, const std::string& tail, const std::string& environment = "")
{
    TempFolder out;
    std::string file = out / "probe.txt";
    std::string env = "OMBREL_PROBE_OUT=" + file;
    if (!environment.empty())
        env += "\n" + environment;
    DWORD code = RunToEnd(Quoted(probe) + tail, 30000, env);
    std::string text = ReadWholeFile(file);
    // Once in CI a fresh copy of the probe wrote nothing at all; its start
    // is not what these cases check, so it gets one more start, told.
    if (text.empty()) {
        MESSAGE("the probe wrote nothing (exit code " << code << "); started again");
        code = RunToEnd(Quoted(probe) + tail, 30000, env);
        text = ReadWholeFile(file);
    }
    Report report;
    report["exit"] = std::to_string(code);
    std::string::size_type start = 0;
    while (start < text.size()) {
        std::string::size_type end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        std::string::size_type eq = line.find('=');
        if (eq != std::string::npos)
            report[line.substr(0, eq)] = line.substr(eq + 1);
        start = end + 1;
    }
    return report;
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

// Sets "Force english" for the test; the test prefix has none otherwise.
struct ForceEnglish {
    explicit ForceEnglish(DWORD value)
    {
        RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\KorvaneSoft", "Force english", REG_DWORD, &value, sizeof value);
    }
    ~ForceEnglish() { RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\KorvaneSoft", "Force english"); }
};

}

TEST_CASE("process entry: arguments split from the real command line")
{
    Report r = RunProbe(Probe(), " a \"b c\" d");
    CHECK(r["exit"] == "1");
    CHECK(r["argc"] == "4");
    CHECK(r["arg0"] == Probe());
    CHECK(r["arg1"] == "a");
    CHECK(r["arg2"] == "b c");
    CHECK(r["arg3"] == "d");
    CHECK(r["end"] == "null");

    r = RunProbe(Probe(), "");
    CHECK(r["argc"] == "1");
    CHECK(r["arg0"] == Probe());

    std::string many;
    for (int i = 1; i <= 140; i++)
        many += " x" + std::to_string(i);
    r = RunProbe(Probe(), many);
    CHECK(r["argc"] == "129");
    CHECK(r["arg128"] == "x128");
    CHECK(r.count("arg129") == 0);

    std::string longArgument(20000, 'y');
    r = RunProbe(Probe(), " " + longArgument + " z");
    CHECK(r["argc"] == "3");
    CHECK(r["arg1"] == longArgument);
    CHECK(r["arg2"] == "z");
}

// A child takes the locale of the process that starts it, so this case runs
// once per mode (ctest starts this program a second time in Japanese) and
// expects what the mode of the test process itself implies.
TEST_CASE("process entry: language and double-byte detection")
{
    const bool japaneseSystem = GetACP() == 932;
    INFO("test process code page " << GetACP());
    const char* systemFlag = japaneseSystem ? "1" : "0";

    SUBCASE("no Force english, without and with the library beside the program")
    {
        Report r = RunProbe(Probe(), "");
        CHECK(r["japanese"] == systemFlag);
        CHECK(r["doublebyte"] == systemFlag);
        CHECK(r["mirsol"] == "0");
        CHECK(r["smallscreen"] == "0");

        // On a Japanese system the library is not even tried.
        ProbeWithLibrary beside;
        r = RunProbe(beside.probe, "");
        INFO("probe beside the library ended with " << r["exit"]);
        CHECK(r["japanese"] == systemFlag);
        CHECK(r["doublebyte"] == systemFlag);
        CHECK(r["mirsol"] == (japaneseSystem ? "0" : "1"));
    }
    SUBCASE("Force english 1: English texts; double-byte follows the code page, not the library")
    {
        ForceEnglish force(1);
        Report r = RunProbe(Probe(), "");
        CHECK(r["japanese"] == "0");
        CHECK(r["doublebyte"] == systemFlag);
        CHECK(r["mirsol"] == "0");

        ProbeWithLibrary beside;
        r = RunProbe(beside.probe, "");
        CHECK(r["japanese"] == "0");
        CHECK(r["doublebyte"] == systemFlag);
        CHECK(r["mirsol"] == "1");
    }
    SUBCASE("Force english 0 changes nothing")
    {
        ForceEnglish force(0);
        Report r = RunProbe(Probe(), "");
        CHECK(r["japanese"] == systemFlag);
        CHECK(r["doublebyte"] == systemFlag);
    }
    SUBCASE("a library in the current folder is never loaded")
    {
        ProbeWithLibrary beside;
        TempFolder out;
        std::string file = out / "probe.txt";
        DeleteFileA(beside.probe.c_str());
        ForceEnglish force(1);
        DWORD code = RunToEnd(Quoted(Probe()), 30000, "OMBREL_PROBE_OUT=" + file, beside.folder.Path());
        CHECK(code == 1);
        CHECK(ReadWholeFile(file).find("mirsol=0") != std::string::npos);
    }
}
