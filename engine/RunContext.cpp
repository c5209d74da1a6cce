#include "RunContext.h"

#include "EngineReports.h"
#include "FileActions.h"
#include "FolderIdentity.h"
#include "FolderIndex.h"
#include "RecycleBin.h"
#include "TemporaryCopy.h"
#include "WidePath.h"

#include <windows.h>

void RunContext::StartPass()
{
    confirm = options.force ? 0 : 1;
}

int RunContext::Step()
{
    host.PumpOneMessage();
    if (!host.AbortRequested())
        return 1;
    stop = Aborted;
    return 0;
}

int RunContext::Answer(int button, bool noStops)
{
    ++answered;
    switch (button) {
    case IDYES:
        return 1;
    case SyncYesToAll:
        confirm = 0;
        return 1;
    case IDNO:
        if (!noStops)
            return 0;
        break;
    }
    stop = Cancelled;
    return -1;
}

bool RunContext::Excluded(const std::wstring& name) const
{
    return options.excludeObj && EndsWith(name, L".obj");
}

void RunContext::RemoveLeftovers(const std::wstring& folder, const FolderIndex& listing)
{
    if (preview)
        return;
    // A copy being written is open without sharing, so its deletion fails.
    for (const std::wstring& leftover : listing.Leftovers())
        RemoveLeftover(JoinName(folder, leftover));
}

void RunContext::Log(const char* operation, const std::wstring& first, const std::wstring& second)
{
    std::string text = preview ? std::string("(plan) ") + operation : std::string(operation);
    host.LogOperation(text.c_str(), ShownPath(first), second.empty() ? second : ShownPath(second));
}

void RunContext::Skip(const std::wstring& first, const std::wstring& second)
{
    Log("skip", first, second);
    ++counts.skipped;
}

void RunContext::NoteNewer(const std::wstring& source, const std::wstring& destination)
{
    newer.emplace_back(source, destination);
    ++counts.newer;
}

void RunContext::LogNewer()
{
    for (const auto& pair : newer)
        host.LogOperation("newer, kept", ShownPath(pair.first), ShownPath(pair.second));
    newer.clear();
}

namespace {

// Errors about one file, not its folder or disk: in use, locked, access
// denied, unreadable, gone since it was listed, or another in its place.
bool AboutOneFile(unsigned long code)
{
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_ACCESS_DENIED:
    case ERROR_CRC:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_FILE_EXISTS:
        return true;
    default:
        return false;
    }
}

// The system's words for an error the message gives only as a number.
std::wstring Reason(const RunContext::Attempt& attempt)
{
    if (attempt.code == ERROR_SHARING_VIOLATION || attempt.code == ERROR_CRC)
        return attempt.text;
    wchar_t* words = nullptr;
    DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, attempt.code, 0, reinterpret_cast<wchar_t*>(&words), 0, nullptr);
    std::wstring reason = attempt.text;
    if (length && words) {
        std::wstring said(words, length);
        said.erase(said.find_last_not_of(L" \r\n") + 1);
        reason += L" (" + said + L")";
    }
    LocalFree(words);
    return reason;
}

}

int RunContext::FileFailed(const Attempt& attempt, const std::wstring& path, const std::wstring& writtenAt)
{
    FolderId now;
    bool oneFile = AboutOneFile(attempt.code);
    if (oneFile && !writtenAt.empty() && attempt.code == ERROR_ACCESS_DENIED)
        oneFile = CanWriteBeside(writtenAt);
    // An unplugged drive leaves its mount folder behind, empty.
    if (oneFile && writtenAt.empty() && attempt.code == ERROR_FILE_NOT_FOUND && sourceId &&
        !(ReadFolderId(sourceRoot, &now) && now == *sourceId)) {
        ReportSourceMissing(host, sourceRoot, 0);
        return 0;
    }
    if (!oneFile) {
        host.ShowError(attempt.text);
        return 0;
    }
    if (!skipAll) {
        int answer = host.ConfirmSkipFile(attempt.text);
        ++answered;
        if (answer == SyncSkipAll)
            skipAll = true;
        else if (answer != IDIGNORE)
            return 0;
    }
    std::wstring reason = Reason(attempt);
    Log("skip", path, reason);
    ++counts.skipped;
    failures.emplace_back(path, reason);
    return 1;
}

void RunContext::LogSkipped()
{
    for (const auto& failure : failures)
        host.LogOperation("skipped", ShownPath(failure.first), failure.second);
    failures.clear();
}

int RunContext::Bin(const std::wstring& path)
{
    // A link holds no data of its own: it goes by itself or stays, as ever.
    // What the bin takes goes there also after a Yes to deleting for good.
    if (!recycle || IsLinkAt(LongPath(path)))
        return 2;
    Attempt attempt;
    switch (RecycleFile(attempt, path)) {
    case Binned::Yes:
        return 1;
    case Binned::Failed:
        return FileFailed(attempt, path, path) ? -1 : 0;
    case Binned::Refused:
        break;
    }
    return ForGood(path, 1);
}

int RunContext::BinFolder(const std::wstring& path)
{
    if (!recycle)
        return 2;
    // A link or an empty folder holds no data: the tree goes file by file.
    OperationCounts tree;
    int files = 0;
    bool links = false;
    CountTree(path, tree, false, &files, &links);
    if (links || files == 0)
        return 2;
    Attempt attempt;
    switch (RecycleFolder(attempt, path)) {
    case Binned::Yes:
        counts.deleted += tree.deleted;
        counts.removedFolders += tree.removedFolders;
        return 1;
    case Binned::Failed:
        // A file held open inside: the tree goes file by file, and that
        // file is asked about alone.
        if (attempt.code == ERROR_SHARING_VIOLATION)
            return 2;
        host.ShowError(attempt.text);
        return 0;
    case Binned::Refused:
        break;
    }
    return ForGood(path, files);
}

int RunContext::ForGood(const std::wstring& path, int files)
{
    if (permanent == NotAsked) {
        permanent = host.ConfirmPermanentDelete(ShownPath(path)) == IDYES ? Allowed : Refused;
        ++answered;
    }
    if (permanent == Allowed)
        return 2;
    Skip(path);
    counts.skipped += files - 1;
    return -1;
}

int RunContext::Dispose(const std::wstring& path)
{
    int binned = Bin(path);
    if (binned != 2)
        return binned;
    Attempt attempt;
    // Gone meanwhile (another run, another program) is as good as deleted.
    if (DeleteFileWithReport(attempt, path, true) || attempt.code == ERROR_FILE_NOT_FOUND)
        return 1;
    return FileFailed(attempt, path, path) ? -1 : 0;
}
