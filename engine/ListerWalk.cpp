#include "ListerWalk.h"

#include "PathText.h"

namespace {

// Listings left for the run at most, read ahead of it.
const int MaxWaiting = 32;

// Whether path is folder or lies below it.
bool Holds(const std::string& folder, const std::string& path)
{
    if (folder.empty() || path.compare(0, folder.size(), folder) != 0)
        return false;
    if (path.size() == folder.size() || path[folder.size()] == '\\')
        return true;
    // A drive root ends with its separator already.
    const char* last = folder.c_str();
    for (const char* p = last; *p; p = NextChar(p))
        last = p;
    return *last == '\\';
}

// The child of folder on the way to path, which folder holds.
std::string ChildHolding(const std::string& folder, const std::string& path)
{
    std::size_t start = folder.size();
    if (start < path.size() && path[start] == '\\')
        ++start;
    const char* p = path.c_str() + start;
    while (*p && *p != '\\')
        p = NextChar(p);
    return path.substr(0, static_cast<std::size_t>(p - path.c_str()));
}

}

ListerWalk::ListerWalk(ListingExchange& exchange, HANDLE runProcess) : exchange(exchange), runProcess(runProcess)
{
    InitializeCriticalSection(&lock);
    InitializeConditionVariable(&changed);
}

ListerWalk::~ListerWalk()
{
    DeleteCriticalSection(&lock);
}

bool ListerWalk::Passed(const std::string& folder, const std::string& frontier)
{
    if (frontier.empty() || Holds(folder, frontier))
        return false;
    // Up from folder to the first folder that holds the frontier too; there
    // the order of its listing tells which comes first.
    std::string below = folder;
    for (;;) {
        auto node = nodes.find(below);
        if (node == nodes.end() || node->second.parent.empty())
            return false;
        const std::string& above = node->second.parent;
        if (Holds(above, frontier)) {
            auto other = nodes.find(ChildHolding(above, frontier));
            return other != nodes.end() && other->second.parent == above &&
                   node->second.place.back() < other->second.place.back();
        }
        below = above;
    }
}

void ListerWalk::Learn(const std::string& folder, const FolderIndex& listing)
{
    Node& parent = nodes[folder];
    char child[EPathSize];
    for (const FolderEntry& entry : listing.Entries()) {
        if (!entry.IsFolder() || entry.IsLink() || !entry.Usable() ||
            !JoinPath(child, folder.c_str(), entry.name.c_str()))
            continue;
        Node& node = nodes[child];
        node.parent = folder;
        node.place = parent.place;
        node.place.push_back(static_cast<unsigned>(parent.subfolders.size()));
        parent.subfolders.push_back(child);
        pending.emplace(node.place, child);
    }
}

bool ListerWalk::RunGone()
{
    return exchange.Stopping() || WaitForSingleObject(runProcess, 0) != WAIT_TIMEOUT;
}

bool ListerWalk::PublishWhenRoom(const std::string& folder, const FolderIndex& listing, ULONGLONG doneAt)
{
    // Slots free up as the run takes listings; while it is busy elsewhere
    // (a large copy, a question to the user) the lister waits, ever more
    // patiently. It keeps only a few listings waiting, so that a slow run
    // still finds them fresh.
    for (int attempt = 0;; ++attempt) {
        if (exchange.ReadyCount() < MaxWaiting &&
            exchange.Publish(folder.c_str(), listing, doneAt) != ListingExchange::NoRoom)
            return true;
        if (RunGone())
            return false;
        Sleep(attempt < 50 ? 1 : 20);
    }
}

DWORD WINAPI ListerWalk::ThreadMain(void* self)
{
    static_cast<ListerWalk*>(self)->Serve();
    return 0;
}

void ListerWalk::Serve()
{
    EnterCriticalSection(&lock);
    for (;;) {
        while (!ending && pending.empty() && working > 0)
            SleepConditionVariableCS(&changed, &lock, INFINITE);
        if (ending || pending.empty())
            break;
        if (exchange.Stopping() || (++taken % 64 == 0 && RunGone()))
            break;
        std::string folder = std::move(pending.begin()->second);
        pending.erase(pending.begin());
        if (Passed(folder, exchange.Frontier()))
            continue;
        ++working;
        LeaveCriticalSection(&lock);
        // A folder that cannot be listed is left to the run, which reports it.
        FolderIndex listing;
        bool listed = listing.Read(folder.c_str()) == FolderIndex::Listed;
        bool goOn = !listed || PublishWhenRoom(folder, listing, GetTickCount64());
        EnterCriticalSection(&lock);
        --working;
        if (!goOn) {
            ending = true;
        } else if (listed) {
            Learn(folder, listing);
        }
        WakeAllConditionVariable(&changed);
    }
    ending = true;
    WakeAllConditionVariable(&changed);
    LeaveCriticalSection(&lock);
}

void ListerWalk::Run(const char* root)
{
    pending.clear();
    pending.emplace(Place(), root);
    ending = false;
    HANDLE helper = CreateThread(nullptr, 0, ThreadMain, this, 0, nullptr);
    Serve();
    if (helper) {
        WaitForSingleObject(helper, INFINITE);
        CloseHandle(helper);
    }
}
