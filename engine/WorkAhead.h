#ifndef OMBREL_WORKAHEAD_H
#define OMBREL_WORKAHEAD_H

#include "ECriticalSection.h"
#include "EHandle.h"
#include "FolderIndex.h"
#include "TemporaryCopy.h"

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

// Helper threads that make the update pass's requests of the file system
// before the pass needs them: folder listings, and copies written under a
// temporary name. Under Wine every such request is a round trip to the
// server, and one thread asking alone leaves both sides idle most of the
// time; a few requests in flight keep them busy.
// The pass still decides, confirms, logs and moves every copy into place
// itself, in its own order. What was done ahead and is not wanted, or has
// grown stale, is thrown away without a trace and done again at the time
// the pass reaches it, so every decision rests on what it would have seen.
// With no threads nothing is done ahead: every ticket is NoTicket and every
// take is done on the spot, with the same results.
class WorkAhead {
public:
    typedef int Ticket;
    enum { NoTicket = -1 };
    // Work finished this long before it is taken is done again.
    enum { FreshMs = 1000 };

    explicit WorkAhead(int threads, DWORD freshMs = FreshMs);
    WorkAhead(const WorkAhead&) = delete;
    WorkAhead& operator=(const WorkAhead&) = delete;
    // Cancels what is queued or running and discards every copy not taken.
    ~WorkAhead();

    // Where a piece of work comes in the pass: the index of each entry on
    // the way down from the top folder. Work is done in the order of these
    // places, which is the order in which a depth-first pass reaches it.
    typedef std::vector<unsigned> Place;

    Ticket ListLater(const Place& place, const std::wstring& folder);
    Ticket CopyLater(const Place& place, const std::wstring& source, const std::wstring& destination);

    // The listing of folder: the one read ahead under ticket if it is fresh,
    // otherwise one read now (also for NoTicket). The ticket is used up.
    FolderIndex::Status TakeListing(Ticket ticket, const std::wstring& folder, FolderIndex* listing);
    // The copy of source to destination: the one written ahead under ticket
    // if it succeeded and is fresh, otherwise one written now (also for
    // NoTicket). The ticket is used up; the caller commits the copy.
    void TakeCopy(Ticket ticket, const std::wstring& source, const std::wstring& destination, TemporaryCopy* copy);
    // Gives up the work of a ticket not taken; nothing for NoTicket or a
    // ticket already used up.
    void Release(Ticket ticket);
    // Whether some work is queued or running.
    bool Busy();
    // Called on this thread every WaitSliceMs that a take waits for a
    // helper, the section given up: a helper descheduled on a busy machine
    // must not hold the window's messages up.
    void WhileWaiting(std::function<void()> call) { whileWaiting = std::move(call); }
    enum { WaitSliceMs = 10 };

private:
    struct Job;
    static DWORD WINAPI ThreadMain(void* self);
    void Serve();
    // Runs the queued job at next, the section given up meanwhile.
    void RunNext(ECriticalSection::Lock& held, std::multimap<Place, Job*>::iterator next);
    Ticket Queue(const Place& place, std::unique_ptr<Job> job);
    // Waits for the job of ticket and takes it out of the books; nullptr
    // when it was still queued (then it is dropped) or ran too long ago.
    std::unique_ptr<Job> Claim(Ticket ticket);

    const int threadCount;
    const DWORD freshMs;
    std::vector<EThreadHandle> threads;
    ECriticalSection lock;
    CONDITION_VARIABLE workQueued;
    CONDITION_VARIABLE workDone;
    std::unordered_map<Ticket, std::unique_ptr<Job>> jobs;
    std::multimap<Place, Job*> queue;
    std::function<void()> whileWaiting;
    Ticket nextTicket = 0;
    bool stopping = false;
};

#endif
