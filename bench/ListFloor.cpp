// listfloor SOURCE DESTINATION
// Lists every folder of both trees the way a no-change run does (wide
// FindFirstFileExW, basic information, large fetches, \\?\ paths), with as
// many threads as a run walks with: its own and two helpers. What this takes
// is the platform's floor for a no-change pass; it decides nothing.

#include "EHandle.h"
#include "WidePath.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

enum { HelperThreads = 2 };

// Folders still to list, shared by the threads; the walk is over when none
// is waiting and no thread is listing one.
class FolderQueue {
public:
    FolderQueue()
    {
        InitializeSRWLock(&lock);
        InitializeConditionVariable(&changed);
    }

    void Push(std::wstring folder)
    {
        AcquireSRWLockExclusive(&lock);
        waiting.push_back(std::move(folder));
        ReleaseSRWLockExclusive(&lock);
        WakeConditionVariable(&changed);
    }
    // false once the walk is over.
    bool Take(std::wstring* folder)
    {
        AcquireSRWLockExclusive(&lock);
        while (waiting.empty() && busy > 0)
            SleepConditionVariableSRW(&changed, &lock, INFINITE, 0);
        bool got = !waiting.empty();
        if (got) {
            *folder = std::move(waiting.back());
            waiting.pop_back();
            ++busy;
        }
        ReleaseSRWLockExclusive(&lock);
        if (!got)
            WakeAllConditionVariable(&changed);
        return got;
    }
    void Done(long long seen, bool failed)
    {
        AcquireSRWLockExclusive(&lock);
        --busy;
        entries += seen;
        failures += failed ? 1 : 0;
        bool over = busy == 0 && waiting.empty();
        ReleaseSRWLockExclusive(&lock);
        if (over)
            WakeAllConditionVariable(&changed);
    }

    long long entries = 0;
    long long failures = 0;

private:
    SRWLOCK lock;
    CONDITION_VARIABLE changed;
    std::vector<std::wstring> waiting;
    int busy = 0;
};

void ListOne(FolderQueue& queue, const std::wstring& folder)
{
    WIN32_FIND_DATAW data;
    ESearchHandle search(FindFirstFileExW(JoinName(folder, L"*").c_str(), FindExInfoBasic, &data,
                                          FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!search.Valid()) {
        queue.Done(0, true);
        return;
    }
    long long seen = 0;
    do {
        std::wstring name = data.cFileName;
        if (name == L"." || name == L"..")
            continue;
        ++seen;
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
            queue.Push(JoinName(folder, name));
    } while (FindNextFileW(search.Get(), &data));
    queue.Done(seen, GetLastError() != ERROR_NO_MORE_FILES);
}

void Walk(FolderQueue& queue)
{
    std::wstring folder;
    while (queue.Take(&folder))
        ListOne(queue, folder);
}

DWORD WINAPI Helper(void* queue)
{
    Walk(*static_cast<FolderQueue*>(queue));
    return 0;
}

std::wstring FullPath(const std::wstring& path)
{
    DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return path;
    std::wstring full(needed, L'\0');
    DWORD length = GetFullPathNameW(path.c_str(), needed, &full[0], nullptr);
    full.resize(length < needed ? length : 0);
    return full.empty() ? path : full;
}

}

int main()
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc != 3) {
        std::fprintf(stderr, "usage: listfloor SOURCE DESTINATION\n");
        return 2;
    }
    FolderQueue queue;
    for (int i = 1; i < 3; ++i)
        queue.Push(LongPath(FullPath(argv[i])));
    LocalFree(argv);

    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    std::vector<EThreadHandle> helpers;
    for (int i = 0; i < HelperThreads; ++i)
        helpers.emplace_back(CreateThread(nullptr, 0, Helper, &queue, 0, nullptr));
    Walk(queue);
    for (EThreadHandle& helper : helpers) {
        if (helper.Valid())
            WaitForSingleObject(helper.Get(), INFINITE);
    }
    QueryPerformanceCounter(&end);

    double seconds = static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    std::printf("entries %lld, unreadable folders %lld, seconds %.3f\n", queue.entries, queue.failures, seconds);
    return queue.failures ? 1 : 0;
}
