#include <doctest/doctest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "LockedPath.h"
#include "ProgramSettings.h"
#include "TempFolder.h"
#include "TestProcess.h"
#include "TreeBuilder.h"
#include "TreeSnapshot.h"
#include "WidePath.h"

// The real program, started with /run as a scheduled task starts it, or as
// a user starts it.

namespace {

// Windows of the programs started here, from outside their process.
struct WindowSearch {
    DWORD process;           // 0: any process
    const char* className;   // nullptr: any class
    HWND found;
    int count;
};

BOOL CALLBACK FindTopLevel(HWND window, LPARAM data)
{
    WindowSearch* search = reinterpret_cast<WindowSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    if ((search->process && process != search->process) ||
        (search->className && lstrcmpA(name, search->className) != 0))
        return TRUE;
    search->count++;
    if (!search->found && IsWindowVisible(window))
        search->found = window;
    return TRUE;
}

// Searched on a snapshot of the top-level windows: a walk along the Z-order
// loses windows when another process brings one forward meanwhile.
WindowSearch SearchTopLevel(DWORD process, const char* className)
{
    WindowSearch search = {process, className, nullptr, 0};
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
    return search;
}

// One start of Ombrel.exe.
class Program {
public:
    Program() : process("\"" + TestBinaryFolder() + "\\Ombrel.exe\"") {}

    // The main window once it is there.
    HWND Window()
    {
        WaitUntil([&] { return (window = SearchTopLevel(process.Id(), "Ombrel").found) != nullptr; }, 20000);
        return window;
    }
    bool Close()
    {
        PostMessageA(window, WM_CLOSE, 0, 0);
        return process.Wait(20000);
    }

    TestProcess process;
    HWND window = nullptr;
};

// A tree to sync, a set file naming it and a log beside them.
struct CommandRun {
    TempFolder temp;
    std::string src = temp / "src";
    std::string dst = temp / "dst";
    std::string sets = temp / "sets.ini";
    std::string log = temp / "run.log";
    // What the last run wrote to its standard output.
    std::string output;

    CommandRun()
    {
        MakeFolder(src);
        MakeFolder(dst);
    }

    // [Other] is as a hand-edited file may have it, without its flag lines,
    // so that any save changes the file's bytes; whole, it is as a save
    // writes it, and a close has nothing to rewrite.
    void WriteSet(const std::string& name, bool deleteOrphans, bool force, bool whole = false)
    {
        std::string flags = std::string("DELETE=") + (deleteOrphans ? "Y" : "N") + "\r\nDOSTIME=N\r\nFORCE=" +
                            (force ? "Y" : "N") + "\r\nEXCLUDEOBJ=N\r\n\r\n";
        REQUIRE(WriteWholeFile(sets, "[Other]\r\nSRC=\"C:\\a\"\r\nDST=\"C:\\b\"\r\n" +
                                         std::string(whole ? "DELETE=N\r\nDOSTIME=N\r\nFORCE=N\r\nEXCLUDEOBJ=N\r\n" : "") +
                                         "\r\n[" + name + "]\r\nSRC=\"" + src + "\"\r\nDST=\"" + dst + "\"\r\n" + flags));
    }

    // Starts Ombrel.exe with arguments (wide), its output in a file, and
    // checks until it ends that no window of it shows: nobody is there to
    // answer. during, when given, is called every few milliseconds meanwhile
    // with the process. Returns the exit code.
    DWORD Run(const std::wstring& arguments, const std::function<void(HANDLE)>& during = nullptr)
    {
        DWORD code = 0xFFFFFFFF;
        bool window = false;
        std::string outputPath = temp / "stdout.txt";
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
        HANDLE file = CreateFileA(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0,
                                  nullptr);
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = file;
        startup.hStdError = file;
        std::wstring line = L"\"" + Widen((TestBinaryFolder() + "\\Ombrel.exe").c_str()) + L"\" " + arguments;
        PROCESS_INFORMATION info = {};
        if (CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info)) {
            DWORD start = GetTickCount();
            while (WaitForSingleObject(info.hProcess, 5) == WAIT_TIMEOUT && GetTickCount() - start < 60000) {
                window = window || SearchTopLevel(info.dwProcessId, nullptr).count > 0;
                if (during)
                    during(info.hProcess);
            }
            TerminateProcess(info.hProcess, 0xFFFFFFFF);
            GetExitCodeProcess(info.hProcess, &code);
            CloseHandle(info.hThread);
            CloseHandle(info.hProcess);
        }
        CloseHandle(file);
        output = ReadWholeFile(outputPath);
        CHECK_FALSE(window);
        return code;
    }

    DWORD RunSet(const std::string& name, const std::wstring& more = L"",
                 const std::function<void(HANDLE)>& during = nullptr)
    {
        return Run(L"/run \"" + Widen(name.c_str()) + L"\" /ini \"" + Widen(sets.c_str()) + L"\" /log \"" +
                       Widen(log.c_str()) + L"\"" + more,
                   during);
    }
};

// Ctrl+Break as Windows delivers it: the console's control routine started
// in the process. A test runner has no console to send it through.
bool SendBreak(HANDLE process)
{
    FARPROC routine = GetProcAddress(GetModuleHandleA("kernelbase.dll"), "CtrlRoutine");
    HANDLE thread = routine ? CreateRemoteThread(process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(
                                                                           reinterpret_cast<void*>(routine)),
                                                 reinterpret_cast<void*>(CTRL_BREAK_EVENT), 0, nullptr)
                            : nullptr;
    if (thread)
        CloseHandle(thread);
    return thread != nullptr;
}

// A message of the program as its log has it (UTF-8), in the language of
// the system.
std::string Said(const char* english, const char* japanese)
{
    return GetACP() == 932 ? japanese : english;
}

bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The name of the nightly set, in the language of the system: a Japanese
// name must reach the set file in its code page.
const char* NightlyName()
{
    return GetACP() == 932 ? "\x96\xe9\x8a\xd4 backup" : "Nightly backup";
}

}

TEST_CASE_FIXTURE(CommandRun, "command line: a run copies, replaces and deletes, or skips what Force off would ask")
{
    struct Case {
        const char* name;
        bool force;
        const wchar_t* more;
        DWORD code;
        bool changed;
    };
    for (const Case& c : {Case{"Force off", false, L"", 5, false}, Case{"Force off, /yes", false, L" /yes", 0, true},
                          Case{"Force on", true, L"", 0, true}}) {
        CAPTURE(std::string(c.name));
        MakeFile(src + "\\new.txt", "new");
        MakeFile(src + "\\sub\\changed.txt", "changed", TicksOf(2021, 1, 1));
        MakeFile(dst + "\\sub\\changed.txt", "before", TicksOf(2020, 1, 1));
        MakeFile(dst + "\\orphan.txt", "orphan");
        DeleteFileA((dst + "\\new.txt").c_str());
        DeleteFileA(log.c_str());
        WriteSet(NightlyName(), true, c.force);
        std::string setBytes = ReadWholeFile(sets);
        unsigned long long setTime = WriteTicks(sets);

        CHECK(RunSet(NightlyName(), c.more) == c.code);
        CHECK(ReadWholeFile(dst + "\\new.txt") == "new");
        CHECK(ReadWholeFile(dst + "\\sub\\changed.txt") == (c.changed ? "changed" : "before"));
        CHECK(PathExists(dst + "\\orphan.txt") == !c.changed);

        std::string logged = ReadWholeFile(log);
        CHECK(Has(logged, "\tstart\t" + Utf8Text(Widen(NightlyName())) + " DOWN\t" + src + "\t" + dst + "\r\n"));
        CHECK(Has(logged, "\tcopy\t" + src + "\\new.txt\t" + dst + "\\new.txt\r\n"));
        CHECK(Has(logged, "\tcopy\t" + src + "\\sub\\changed.txt\t" + dst + "\\sub\\changed.txt\r\n") == c.changed);
        CHECK(Has(logged, "\tdel\t" + dst + "\\orphan.txt\t\r\n") == c.changed);
        CHECK(Has(logged, "\tskip\t" + dst + "\\orphan.txt\t\r\n") == !c.changed);
        CHECK(Has(logged, c.changed ? "\tend\tcopied 1, replaced 1, deleted 1, removed folders 0, created folders 0, "
                                      "skipped 0, newer 0, result completed, seconds "
                                    : "\tend\tcopied 1, replaced 0, deleted 0, removed folders 0, created folders 0, "
                                      "skipped 2, newer 0, result completed, with files skipped, seconds "));
        // The console gets the same lines.
        CHECK(output == logged);
        // Read, never written.
        CHECK(ReadWholeFile(sets) == setBytes);
        CHECK(WriteTicks(sets) == setTime);
    }
}

TEST_CASE_FIXTURE(CommandRun, "command line: refusals end with exit code 2 and never run")
{
    WriteSet("Nightly", true, true);
    MakeFile(src + "\\a.txt", "a");
    struct Case {
        std::wstring arguments;
        DWORD code;
        std::string says;
    };
    std::wstring ini = L" /ini \"" + Widen(sets.c_str()) + L"\"";
    for (const Case& c : {Case{L"/run", 2, "usage: "}, Case{L"/bogus", 2, "usage: "},
                          Case{L"/run Nightly /fast", 2, "usage: "}, Case{L"/run Nightly /run Other", 2, "usage: "},
                          Case{L"/?", 0, "usage: "},
                          // The sets it has are named, so that a typo is easy to see.
                          Case{L"/run Weekly" + ini, 2, Said("Its sets: Nightly, Other", u8"設定: Nightly, Other")},
                          Case{L"/run Nightly /ini C:\\no\\such.ini", 2,
                               Said("Can't read the set file 'C:\\no\\such.ini'", u8"設定ﾌｧｲﾙ 'C:\\no\\such.ini' を読めません")},
                          Case{L"/run Nightly /log C:\\no\\such\\run.log" + ini, 2,
                               Said("Can't open the log file", u8"ﾛｸﾞ ﾌｧｲﾙ 'C:\\no\\such\\run.log' を開けません")}}) {
        CAPTURE(Utf8Text(c.arguments));
        CHECK(Run(c.arguments) == c.code);
        CHECK(Has(output, c.says));
        CHECK_FALSE(PathExists(dst + "\\a.txt"));
    }
}

TEST_CASE_FIXTURE(CommandRun, "command line: exit codes of a run that meets trouble")
{
    SUBCASE("a file held by another program is skipped, the rest copied: 5")
    {
        for (const char* name : {"\\a.txt", "\\b\\held.txt", "\\c.txt"})
            MakeFile(src + name, name);
        LockedPath held(src + "\\b\\held.txt");
        REQUIRE(held.Held());
        WriteSet("Nightly", false, true);
        CHECK(RunSet("Nightly") == 5);
        CHECK(ReadWholeFile(dst + "\\a.txt") == "\\a.txt");
        CHECK(ReadWholeFile(dst + "\\c.txt") == "\\c.txt");
        CHECK_FALSE(PathExists(dst + "\\b\\held.txt"));
        CHECK(Has(ReadWholeFile(log), "\tskipped\t" + src + "\\b\\held.txt\t"));
    }
    SUBCASE("an empty source with deletion on: the guard stops it, 3")
    {
        for (int i = 0; i < 5; ++i)
            MakeFile(dst + "\\f" + std::to_string(i) + ".txt", "keep");
        WriteSet("Nightly", true, true);
        TreeSnapshot before = Snapshot(dst);
        CHECK(RunSet("Nightly", L" /yes") == 3);
        CHECK(Changes(before, Snapshot(dst)).empty());
        CHECK(Has(ReadWholeFile(log), "result stopped by the deletion guard"));
    }
    SUBCASE("a missing source folder: 1")
    {
        WriteSet("Nightly", true, true);
        RemoveDirectoryA(src.c_str());
        CHECK(RunSet("Nightly") == 1);
    }
}

TEST_CASE_FIXTURE(CommandRun, "command line: a full destination disk ends with exit code 1 (needs root)")
{
    SmallDisk disk(dst, "64k");
    REQUIRE(disk.Mounted());
    MakeFile(src + "\\big.bin", std::string(256 * 1024, 'b'));
    WriteSet("Nightly", false, true);
    CHECK(RunSet("Nightly") == 1);
    CHECK(Has(ReadWholeFile(log), "\terror\t" + Said("The disk is full", u8"ﾃﾞｨｽｸがいっぱいです")));
    CHECK(FolderNames(dst).empty());
}

TEST_CASE_FIXTURE(CommandRun, "command line: Ctrl+Break stops the run between two files, and the next run does the rest")
{
    for (int folder = 0; folder < 20; ++folder)
        for (int file = 0; file < 100; ++file)
            MakeFile(src + "\\f" + std::to_string(folder) + "\\" + std::to_string(file) + ".txt", std::string(4000, 'x'));
    WriteSet("Nightly", true, true);
    bool sent = false;
    DWORD code = RunSet("Nightly", L"", [&](HANDLE process) {
        if (!sent && Has(ReadWholeFile(log), "\tcopy\t"))
            sent = SendBreak(process);
    });
    CHECK(code == 4);
    CHECK(Has(ReadWholeFile(log), "result aborted"));
    CHECK(Snapshot(dst).size() < Snapshot(src).size());
    CHECK(RunSet("Nightly") == 0);
    CHECK(Snapshot(dst) == Snapshot(src));
}

TEST_CASE_FIXTURE(CommandRun, "command line: beside an open window a run works and a second start brings the window "
                              "forward; closed while minimised, it keeps an unchanged set file and starts on screen")
{
    CleanProgramSettings settings;
    WriteSet("Nightly", false, true, true);
    RememberSetFile(sets);
    SetWriteTicks(sets, TicksOf(2019, 5, 1));
    std::string setBytes = ReadWholeFile(sets);
    std::wstring emoji = L"\U0001F600";
    REQUIRE(MakeFileW(LongForm(src) + L"\\" + emoji + L".txt", "smile"));
    REQUIRE(SearchTopLevel(0, "Ombrel").count == 0);
    Program first;
    HWND window = first.Window();
    REQUIRE(window != nullptr);

    // The set file the window has open, from the settings, logging to a name
    // outside the code page; the window still answers.
    std::wstring logName = Widen(temp.Path().c_str()) + L"\\\u0436\u0443\u0440\u043d\u0430\u043b " + emoji + L".log";
    CHECK(Run(L"/run Nightly /log \"" + logName + L"\"") == 0);
    std::string logged = ReadWholeFileW(LongForm(temp.Path()) + logName.substr(temp.Path().size()));
    CHECK(Has(logged, "\tcopy\t" + Utf8Text(Widen(src.c_str()) + L"\\" + emoji + L".txt") + "\t"));
    CHECK(ReadWholeFileW(LongForm(dst) + L"\\" + emoji + L".txt") == "smile");
    DWORD_PTR answer = 0;
    CHECK(SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer) != 0);

    // Something else in front, so bringing the first window forward shows.
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    WaitUntil([&] { return GetForegroundWindow() == other; }, 2000);
    Program second;
    REQUIRE(second.process.Started());
    CHECK(second.process.Wait(20000));
    CHECK(SearchTopLevel(0, "Ombrel").count == 1);
    CHECK(first.process.ExitCode() == STILL_ACTIVE);
    CHECK(WaitUntil([&] { return GetForegroundWindow() == window; }, 5000));
    DestroyWindow(other);

    ShowWindow(window, SW_MINIMIZE);
    CHECK(WaitUntil([&] { return IsIconic(window) != FALSE; }));
    CHECK(first.Close());
    CHECK(SettingNumber("Left") > -1000);
    CHECK(SettingNumber("Width") == 488);
    CHECK(ReadWholeFile(sets) == setBytes);
    CHECK(WriteTicks(sets) == TicksOf(2019, 5, 1));
    Program again;
    REQUIRE(again.Window() != nullptr);
    RECT frame;
    GetWindowRect(again.window, &frame);
    RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT common;
    CHECK(IntersectRect(&common, &frame, &screen));
    CHECK(again.Close());
}

TEST_CASE_FIXTURE(CommandRun, "program: a start that finds the instance held waits for its window, or takes over "
                              "when it ends")
{
    // This process plays a first start that owns the mutex and is still on
    // its way to its window; then it shows one, or ends without. A mutex
    // nobody owns stops no start.
    enum First { Shows, Ends, OwnsNothing };
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "Ombrel";
    RegisterClassA(&windowClass);
    WriteSet("Nightly", false, true);
    for (First first : {Shows, Ends, OwnsNothing}) {
        CAPTURE(first);
        CleanProgramSettings settings;
        RememberSetFile(sets);
        HANDLE mutex = CreateMutexA(nullptr, first != OwnsNothing, "Ombrel");
        REQUIRE(GetLastError() != ERROR_ALREADY_EXISTS);
        Program second;
        REQUIRE(second.process.Started());
        if (first == OwnsNothing) {
            CHECK(second.Window() != nullptr);
            CHECK(second.process.ExitCode() == STILL_ACTIVE);
            CHECK(second.Close());
            CloseHandle(mutex);
            continue;
        }
        CHECK_FALSE(
            WaitUntil([&] { return SearchTopLevel(second.process.Id(), "Ombrel").found != nullptr; }, 1500));
        if (first == Shows) {
            HWND shown = CreateWindowExA(0, "Ombrel", "first", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                         nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
            CHECK(second.process.Wait(10000));
            CHECK(WaitUntil([&] { return GetForegroundWindow() == shown; }, 5000));
            CHECK(SearchTopLevel(0, "Ombrel").count == 1);
            DestroyWindow(shown);
        } else {
            ReleaseMutex(mutex);
            CHECK(second.Window() != nullptr);
            CHECK(second.Close());
        }
        CloseHandle(mutex);
    }
    UnregisterClassA("Ombrel", GetModuleHandleA(nullptr));
}
