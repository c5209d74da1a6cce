#include "WorkAhead.h"

#include <algorithm>

struct WorkAhead::Job {
    enum Kind { List, Copy };
    enum State { Queued, Running, Done };

    Kind kind;
    std::wstring first;    // the folder to list, or the file to copy
    std::wstring second;   // where the copy goes
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
    InitializeConditionVariable(&workQueued);
    InitializeConditionVariable(&workDone);
}

WorkAhead::~WorkAhead()
{
    {
        ECriticalSection::Lock held(lock);
        stopping = true;
        for (auto& job : jobs)
            InterlockedExchange(&job.second->cancel, 1);
        queue.clear();
        WakeAllConditionVariable(&workQueued);
    }
    for (EThreadHandle& thread : threads)
        WaitForSingleObject(thread.Get(), INFINITE);
    threads.clear();
    jobs.clear();
}

DWORD WINAPI WorkAhead::ThreadMain(void* self)
{
    static_cast<WorkAhead*>(self)->Serve();
    return 0;
}

void WorkAhead::Serve()
{
    ECriticalSection::Lock held(lock);
    for (;;) {
        while (!stopping && queue.empty())
            held.Wait(workQueued);
        if (stopping)
            return;
        RunNext(held, queue.begin());
    }
}

void WorkAhead::RunNext(ECriticalSection::Lock& held, std::multimap<Place, Job*>::iterator next)
{
    Job* job = next->second;
    queue.erase(next);
    job->state = Job::Running;
    ULONGLONG doneAt;
    {
        ECriticalSection::Unlock working(held);
        if (job->kind == Job::List)
            job->status = job->listing.Read(job->first);
        else
            job->copy.Write(job->first, job->second, &job->cancel);
        doneAt = GetTickCount64();
    }
    job->state = Job::Done;
    job->doneAt = doneAt;
    if (job->orphaned) {
        // Freed outside the section: a copy not taken is removed from disk.
        ECriticalSection::Unlock freeing(held);
        delete job;
    }
    WakeAllConditionVariable(&workDone);
}

WorkAhead::Ticket WorkAhead::Queue(const Place& place, std::unique_ptr<Job> job)
{
    // Threads start with the first work, so a run with nothing to do ahead
    // costs none.
    while (threads.size() < static_cast<std::size_t>(threadCount)) {
        EThreadHandle thread(CreateThread(nullptr, 0, ThreadMain, this, 0, nullptr));
        if (!thread.Valid())
            break;
        threads.push_back(std::move(thread));
    }
    if (threads.empty())
        return NoTicket;
    ECriticalSection::Lock held(lock);
    Ticket ticket = nextTicket++;
    Job* raw = job.get();
    jobs.emplace(ticket, std::move(job));
    raw->queued = queue.emplace(place, raw);
    WakeConditionVariable(&workQueued);
    return ticket;
}

WorkAhead::Ticket WorkAhead::ListLater(const Place& place, const std::wstring& folder)
{
    std::unique_ptr<Job> job(new Job);
    job->kind = Job::List;
    job->first = folder;
    return Queue(place, std::move(job));
}

WorkAhead::Ticket WorkAhead::CopyLater(const Place& place, const std::wstring& source, const std::wstring& destination)
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
    {
        ECriticalSection::Lock held(lock);
        auto found = jobs.find(ticket);
        if (found == jobs.end())
            return job;
        // Only this thread changes the books, so found stays valid while
        // waiting (whileWaiting must not take work of its own).
        bool queued = found->second->state == Job::Queued;
        if (queued)
            queue.erase(found->second->queued);
        // Waiting, the pass lists what comes next itself: it is one more
        // thread asking, as the helpers are. Copies it leaves to them, since
        // one may take longer than the wait.
        while (!queued && found->second->state != Job::Done) {
            auto list = std::find_if(queue.begin(), queue.end(),
                                     [](const std::pair<const Place, Job*>& next) { return next.second->kind == Job::List; });
            if (list != queue.end()) {
                RunNext(held, list);
            } else if (!held.Wait(workDone, whileWaiting ? DWORD(WaitSliceMs) : INFINITE)) {
                ECriticalSection::Unlock dropping(held);
                whileWaiting();
            }
        }
        job = std::move(found->second);
        jobs.erase(found);
        if (queued) {
            ECriticalSection::Unlock dropping(held);
            job.reset();
            return job;
        }
    }
    if (job->doneAt + freshMs <= GetTickCount64())
        job.reset();
    return job;
}

FolderIndex::Status WorkAhead::TakeListing(Ticket ticket, const std::wstring& folder, FolderIndex* listing)
{
    std::unique_ptr<Job> job = Claim(ticket);
    if (!job)
        return listing->Read(folder);
    *listing = std::move(job->listing);
    return job->status;
}

void WorkAhead::TakeCopy(Ticket ticket, const std::wstring& source, const std::wstring& destination,
                        TemporaryCopy* copy)
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
    ECriticalSection::Lock held(lock);
    auto found = jobs.find(ticket);
    if (found == jobs.end())
        return;
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
    // job is freed after the section is left (declared before the lock).
}

bool WorkAhead::Busy()
{
    ECriticalSection::Lock held(lock);
    return std::any_of(jobs.begin(), jobs.end(), [](const auto& job) { return job.second->state != Job::Done; });
}
