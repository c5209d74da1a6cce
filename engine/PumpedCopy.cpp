#include "PumpedCopy.h"

#include "EHandle.h"

namespace {

// How long the run waits for the copy between two looks at the abort flag
// when no message comes: an abort from elsewhere is seen this late at most.
const DWORD PollMs = 20;

}

DWORD WINAPI PumpedCopy::ThreadMain(void* raw)
{
    Job* job = static_cast<Job*>(raw);
    job->copy->Write(job->source, job->destination, &job->cancel);
    return 0;
}

int PumpedCopy::Write(RunContext& run, const std::wstring& source, const std::wstring& destination,
                      TemporaryCopy* copy)
{
    Job job{source, destination, copy, 0};
    EThreadHandle thread(CreateThread(nullptr, 0, ThreadMain, &job, 0, nullptr));
    if (!thread.Valid()) {
        copy->Write(source, destination);
        return 1;
    }
    HANDLE done = thread.Get();
    // A message wakes the wait at once, so the window answers as it does
    // between files; the copy thread alone touches *copy until it ends.
    for (;;) {
        DWORD woke = MsgWaitForMultipleObjectsEx(1, &done, PollMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woke == WAIT_FAILED)
            woke = WaitForSingleObject(done, PollMs);
        if (woke == WAIT_OBJECT_0)
            return 1;
        if (!run.Step()) {
            // The copy gives up within a chunk, and removes what it wrote.
            InterlockedExchange(&job.cancel, 1);
            WaitForSingleObject(done, INFINITE);
            // Aborted as it ended: the finished copy goes unused.
            copy->Discard();
            return 0;
        }
    }
}
