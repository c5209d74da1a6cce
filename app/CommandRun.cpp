#include "CommandRun.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "BilingualText.h"
#include "FileQueries.h"
#include "MessageBoxes.h"
#include "RunLog.h"
#include "SetFile.h"
#include "SetList.h"
#include "Settings.h"
#include "SyncRun.h"
#include "SyncSet.h"
#include "UnattendedHost.h"
#include "WidePath.h"

namespace {

const wchar_t Usage[] = L"usage: Ombrel.exe /run NAME [/up] [/preview] [/yes] [/ini FILE] [/log FILE]";

// Set from the console's own thread on Ctrl+C or Ctrl+Break: the run stops
// between two files, as Abort does.
volatile LONG interrupted = 0;

BOOL WINAPI OnConsoleControl(DWORD event)
{
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        return FALSE;
    InterlockedExchange(&interrupted, 1);
    return TRUE;
}

// A box that something below the run would show goes to the log instead,
// answered as a closed box is: nobody is there to press a button.
class LoggedBoxes : public EBoxReporter {
public:
    explicit LoggedBoxes(RunLog& log) : log(log), previous(SetBoxReporter(this)) {}
    ~LoggedBoxes() override { SetBoxReporter(previous); }
    LoggedBoxes(const LoggedBoxes&) = delete;
    LoggedBoxes& operator=(const LoggedBoxes&) = delete;
    int Report(HWND, const char* text, const char* caption, UINT) override
    {
        log.Row("error", Widen(caption) + L": " + Widen(text), std::wstring());
        return IDCANCEL;
    }

private:
    RunLog& log;
    EBoxReporter* previous;
};

struct Request {
    std::wstring name;
    std::wstring setFile;
    std::wstring logFile;
    bool up = false;
    bool preview = false;
    bool yes = false;
    bool help = false;
};

bool Is(const std::wstring& argument, const wchar_t* word)
{
    return lstrcmpiW(argument.c_str(), word) == 0;
}

// false on a switch it does not know or given twice, a missing value or a
// missing name.
bool Parse(const std::vector<std::wstring>& arguments, Request* request)
{
    bool run = false;
    std::vector<std::wstring> seen;
    for (std::size_t at = 1; at < arguments.size(); ++at) {
        const std::wstring& argument = arguments[at];
        for (const std::wstring& earlier : seen)
            if (Is(argument, earlier.c_str()))
                return false;
        seen.push_back(argument);
        bool valued = Is(argument, L"/run") || Is(argument, L"/ini") || Is(argument, L"/log");
        if (valued && at + 1 == arguments.size())
            return false;
        if (Is(argument, L"/run")) {
            run = true;
            request->name = arguments[++at];
        } else if (Is(argument, L"/ini")) {
            request->setFile = arguments[++at];
        } else if (Is(argument, L"/log")) {
            request->logFile = arguments[++at];
        } else if (Is(argument, L"/up")) {
            request->up = true;
        } else if (Is(argument, L"/preview")) {
            request->preview = true;
        } else if (Is(argument, L"/yes")) {
            request->yes = true;
        } else if (Is(argument, L"/?")) {
            request->help = true;
        } else {
            return false;
        }
    }
    return request->help || (run && !request->name.empty());
}

// The window's set file, from the settings; empty when none is stored.
std::string StoredSetFile()
{
    char path[MAX_PATH];
    DWORD size = sizeof path;
    if (RegGetValueA(HKEY_CURRENT_USER, SettingsKeyPath, "Ini file", RRF_RT_REG_SZ, nullptr, path, &size) !=
        ERROR_SUCCESS)
        return std::string();
    return path;
}

bool StoredRecycleBin()
{
    DWORD on = 1;
    DWORD size = sizeof on;
    RegGetValueA(HKEY_CURRENT_USER, SettingsKeyPath, "Use Recycle Bin", RRF_RT_REG_DWORD, nullptr, &on, &size);
    return on != 0;
}

// The entry of the set called name: exactly so, else the one that differs
// only in case. -1 when there is none.
int FindSet(const SetList& sets, const std::string& name)
{
    int folded = -1;
    for (int at = 0; at < sets.Count(); ++at) {
        if (name == sets.NameAt(at))
            return at;
        if (folded < 0 && lstrcmpiA(name.c_str(), sets.NameAt(at)) == 0)
            folded = at;
    }
    return folded;
}

int Refuse(RunLog& log, const std::wstring& text)
{
    log.Row("error", text, std::wstring());
    return RunBadArguments;
}

}

bool IsCommandRun(int argc, char* argv[])
{
    return argc > 1 && argv[1][0] == '/';
}

int CommandRun()
{
    // The system's own boxes (a drive without its disk) are not shown either.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    std::vector<std::wstring> arguments;
    int count = 0;
    if (wchar_t** list = CommandLineToArgvW(GetCommandLineW(), &count)) {
        arguments.assign(list, list + count);
        LocalFree(list);
    }
    RunLog log(true);
    log.UseConsole();
    LoggedBoxes boxes(log);
    Request request;
    if (!Parse(arguments, &request)) {
        log.Line(Usage);
        return RunBadArguments;
    }
    if (request.help) {
        log.Line(Usage);
        return RunCompleted;
    }
    if (!request.logFile.empty() && !log.OpenFile(request.logFile)) {
        DWORD code = GetLastError();
        return Refuse(log, FormatShown(Bilingual("Can't open the log file '%s' (error %s).",
                                                 "ﾛｸﾞ ﾌｧｲﾙ '%s' を開けません (ｴﾗｰ %s)。"),
                                       {request.logFile, std::to_wstring(code)}));
    }

    std::string setFile;
    if (request.setFile.empty())
        setFile = StoredSetFile();
    else if (!NarrowStrictly(request.setFile, &setFile))
        return Refuse(log, FormatShown(Bilingual("The set file's name '%s' can't be read in this code page.",
                                                 "設定ﾌｧｲﾙの名前 '%s' はこのｺｰﾄﾞ ﾍﾟｰｼﾞで読めません。"),
                                       {request.setFile}));
    SetList sets;
    if (setFile.empty() || !ReadSetFile(sets, setFile.c_str()))
        return Refuse(log, FormatShown(Bilingual("Can't read the set file '%s'.", "設定ﾌｧｲﾙ '%s' を読めません。"),
                                       {Widen(setFile.c_str())}));
    std::string name;
    int found = NarrowStrictly(request.name, &name) ? FindSet(sets, name) : -1;
    if (found < 0) {
        std::wstring names;
        for (int at = 0; at < sets.Count(); ++at)
            names += (at ? L", " : L"") + Widen(sets.NameAt(at));
        return Refuse(log, FormatShown(Bilingual("There is no set '%s' in '%s'. Its sets: %s",
                                                 "'%s' という設定は '%s' にありません。設定: %s"),
                                       {request.name, Widen(setFile.c_str()), names}));
    }

    const SyncSet& set = sets.RecordAt(found);
    std::string source = request.up ? set.Destination() : set.Source();
    std::string destination = request.up ? set.Source() : set.Destination();
    SyncOptions options;
    options.deleteOrphans = set.DeleteFlag();
    options.dosTime = set.DosTimeFlag();
    options.force = set.ForceFlag();
    options.excludeObj = set.ExcludeObjectFlag();

    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
    UnattendedHost::Rules rules;
    rules.yes = request.yes;
    UnattendedHost host(log, rules, &interrupted);
    SyncRun run(host, options);
    run.SetPreview(request.preview);
    run.SetRecycle(StoredRecycleBin());
    std::wstring title = Widen(sets.NameAt(found)) + (request.up ? L" UP" : L" DOWN");
    if (request.preview)
        title += L" (preview)";
    log.Line(L"start\t" + title + L"\t" + Widen(source.c_str()) + L"\t" + Widen(destination.c_str()));

    ULONGLONG start = GetTickCount64();
    int result = 0;
    std::wstring from;
    if (WidenStrictly(source.c_str(), &from) && !IsDirectory(from)) {
        host.ShowError(FormatShown(Bilingual("Source folder '%s' is not exist.", "転送元ﾌｫﾙﾀﾞ '%s' が存在しません"),
                                   {from}));
    } else {
        result = run.RunSet(source.c_str(), destination.c_str());
    }
    const OperationCounts& done = run.Counts();
    RunExit code = ExitOf(result, done.skipped, host, run.Stopped() == RunContext::Aborted);
    if (request.preview && result)
        log.Line(L"plan\t" + PlanText(done, run.Guarded()));
    wchar_t seconds[32];
    std::swprintf(seconds, 32, L", seconds %.3f", static_cast<double>(GetTickCount64() - start) / 1000.0);
    log.Line(L"end\t" + CountsText(done) + L", result " + Widen(ExitWords(code)) + seconds);
    return code;
}
