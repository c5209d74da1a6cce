#include "WorkAhead.h"

#include <algorithm>

struct WorkAhead::Job {
    enum Kind { List, Copy };
    enum State { Queued, Running, Done };

    Kind kind;
    bool destination = false;
    std::string first;    // the folder to list, or the file to copy
    std::string second;   // where the copy goes
    State state = Queued;
    std::multimap<Place, Job*>::iterator queued;   // while Queued
    // Its ticket was given up while it ran: the thread that ran it frees it.
    bool orphaned = false;
    // Set when nobody will take it any more: a copy gives up between chunks.
    volatile LONG cancel = 0;
    ULONGLONG doneAt = 0;
    FolderIndex listing;
    FolderIndex::Status status = FolderIndex::Unreadable;
    TemporaryCopy copy;
};

WorkAhead::WorkAhead(int threads, DWORD freshMs) : threadCount(threads), freshMs(freshMs)
{
    InitializeCriticalSection(&lock);
    InitializeConditionVariable(&workQueued);
    InitializeConditionVariable(&workDone);
}

WorkAhead::~WorkAhead()
{
    EnterCriticalSection(&lock);
    stopping = true;
    for (auto& job : jobs)
        InterlockedExchange(&job.second->cancel, 1);
    queue.clear();
    WakeAllConditionVariable(&workQueued);
    LeaveCriticalSection(&lock);
    for (HANDLE thread : threads) {
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
    }
    jobs.clear();
    DeleteCriticalSection(&lock);
}

DWORD WINAPI WorkAhead::ThreadMain(void* self)
{
    static_cast<WorkAhead*>(self)->Serve();
    return 0;
}

void WorkAhead::Serve()
{
    EnterCriticalSection(&lock);
    for (;;) {
        while (!stopping && queue.empty())
            SleepConditionVariableCS(&workQueued, &lock, INFINITE);
        if (stopping)
            break;
        auto next = queue.begin();
        Job* job = next->second;
        queue.erase(next);
        job->state = Job::Running;
        LeaveCriticalSection(&lock);
        ULONGLONG doneAt;
        if (job->kind == Job::List) {
            job->status = ReadListing(job->first.c_str(), &job->listing, &doneAt);
        } else {
            job->copy.Write(job->first.c_str(), job->second.c_str(), &job->cancel);
            doneAt = GetTickCount64();
        }
        EnterCriticalSection(&lock);
        job->state = Job::Done;
        job->doneAt = doneAt;
        if (job->orphaned) {
            LeaveCriticalSection(&lock);
            delete job;
            EnterCriticalSection(&lock);
        }
        WakeAllConditionVariable(&workDone);
    }
    LeaveCriticalSection(&lock);
}

WorkAhead::Ticket WorkAhead::Queue(const Place& place, std::unique_ptr<Job> job)
{
    // Threads start with the first work, so a run with nothing to do ahead
    // costs none.
    while (threads.size() < static_cast<std::size_t>(threadCount)) {
        HANDLE thread = CreateThread(nullptr, 0, ThreadMain, this, 0, nullptr);
        if (!thread)
            break;
        threads.push_back(thread);
    }
    if (threads.empty())
        return NoTicket;
    EnterCriticalSection(&lock);
    Ticket ticket = nextTicket++;
    Job* raw = job.get();
    jobs.emplace(ticket, std::move(job));
    raw->queued = queue.emplace(place, raw);
    WakeConditionVariable(&workQueued);
    LeaveCriticalSection(&lock);
    return ticket;
}

FolderIndex::Status WorkAhead::ReadListing(const char* folder, FolderIndex* listing,
                                           ULONGLONG* doneAt)
{
    FolderIndex::Status status = listing->Read(folder);
    *doneAt = GetTickCount64();
    return status;
}

WorkAhead::Ticket WorkAhead::ListLater(const Place& place, const char* folder, bool destination)
{
    std::unique_ptr<Job> job(new Job);
    job->kind = Job::List;
    job->destination = destination;
    job->first = folder;
    return Queue(place, std::move(job));
}

WorkAhead::Ticket WorkAhead::CopyLater(const Place& place, const char* source, const char* destination)
{
    std::unique_ptr<Job> job(new Job);
    job->kind = Job::Copy;
    job->first = source;
    job->second = destination;
    return Queue(place, std::move(job));
}

std::unique_ptr<WorkAhead::Job> WorkAhead::Claim(Ticket ticket)
{
    std::unique_ptr<Job> job;
    EnterCriticalSection(&lock);
    auto found = jobs.find(ticket);
    if (found == jobs.end()) {
        LeaveCriticalSection(&lock);
        return job;
    }
    // Only this thread changes the books, so found stays valid while waiting.
    if (found->second->state == Job::Queued) {
        queue.erase(found->second->queued);
        job = std::move(found->second);
        jobs.erase(found);
        LeaveCriticalSection(&lock);
        return nullptr;   // dropped here, outside the lock
    }
    while (found->second->state != Job::Done)
        SleepConditionVariableCS(&workDone, &lock, INFINITE);
    job = std::move(found->second);
    jobs.erase(found);
    LeaveCriticalSection(&lock);
    if (job->doneAt + freshMs <= GetTickCount64())
        job.reset();
    return job;
}

FolderIndex::Status WorkAhead::TakeListing(Ticket ticket, const char* folder, bool,
                                           FolderIndex* listing)
{
    std::unique_ptr<Job> job = Claim(ticket);
    ULONGLONG doneAt;
    if (!job)
        return ReadListing(folder, listing, &doneAt);
    *listing = std::move(job->listing);
    return job->status;
}

void WorkAhead::TakeCopy(Ticket ticket, const char* source, const char* destination, TemporaryCopy* copy)
{
    std::unique_ptr<Job> job = Claim(ticket);
    // A copy that failed ahead is tried again now, so that what the user is
    // told is what happens at the time the file's turn comes.
    if (job && job->copy.Written()) {
        *copy = std::move(job->copy);
        return;
    }
    job.reset();
    copy->Write(source, destination);
}

void WorkAhead::Release(Ticket ticket)
{
    std::unique_ptr<Job> job;
    EnterCriticalSection(&lock);
    auto found = jobs.find(ticket);
    if (found != jobs.end()) {
        Job* raw = found->second.get();
        if (raw->state == Job::Queued)
            queue.erase(raw->queued);
        if (raw->state == Job::Running) {
            raw->orphaned = true;
            InterlockedExchange(&raw->cancel, 1);
            found->second.release();
        } else {
            job = std::move(found->second);
        }
        jobs.erase(found);
    }
    LeaveCriticalSection(&lock);
}

bool WorkAhead::Busy()
{
    EnterCriticalSection(&lock);
    bool busy = std::any_of(jobs.begin(), jobs.end(), [](const auto& job) { return job.second->state != Job::Done; });
    LeaveCriticalSection(&lock);
    return busy;
}
