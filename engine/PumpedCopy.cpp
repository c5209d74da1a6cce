#include "PumpedCopy.h"

#include "EHandle.h"

namespace {

// How long the run waits for the copy between two looks at the abort flag
// when no message comes: an abort from elsewhere is seen this late at most.
const DWORD PollMs = 20;
// How long an abort waits for the copy to give up. Closing a large file
// that was deleted can take the system a second and more (it frees every
// block, and waits for those being written out); by then the file's name
// is gone, and the thread finishes that alone after the run has ended.
const DWORD GiveUpMs = 300;

}

void PumpedCopy::Job::Release()
{
    if (InterlockedDecrement(&holders) == 0)
        delete this;
}

DWORD WINAPI PumpedCopy::ThreadMain(void* raw)
{
    Job* job = static_cast<Job*>(raw);
    job->copy.Write(job->source, job->destination, &job->cancel);
    // Aborted as it ended: the finished copy goes unused.
    if (job->cancel)
        job->copy.Discard();
    job->Release();
    return 0;
}

int PumpedCopy::Write(RunContext& run, const std::wstring& source, const std::wstring& destination,
                      TemporaryCopy* copy)
{
    Job* job = new Job;
    job->source = source;
    job->destination = destination;
    EThreadHandle thread(CreateThread(nullptr, 0, ThreadMain, job, 0, nullptr));
    if (!thread.Valid()) {
        delete job;
        copy->Write(source, destination);
        return 1;
    }
    HANDLE done = thread.Get();
    // A message wakes the wait at once, so the window answers as it does
    // between files; the copy thread alone touches the job's copy until it ends.
    for (;;) {
        DWORD woke = MsgWaitForMultipleObjectsEx(1, &done, PollMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woke == WAIT_FAILED)
            woke = WaitForSingleObject(done, PollMs);
        if (woke == WAIT_OBJECT_0) {
            *copy = std::move(job->copy);
            job->Release();
            return 1;
        }
        if (!run.Step()) {
            // The copy gives up within a chunk and removes what it wrote.
            InterlockedExchange(&job->cancel, 1);
            WaitForSingleObject(done, GiveUpMs);
            job->Release();
            return 0;
        }
    }
}
