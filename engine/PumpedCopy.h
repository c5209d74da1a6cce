#ifndef OMBREL_PUMPEDCOPY_H
#define OMBREL_PUMPEDCOPY_H

#include "RunContext.h"
#include "TemporaryCopy.h"

#include <string>

// A copy too large to be written ahead, written on a thread of its own
// while the run keeps pumping messages: the window stays alive during a
// copy of several GB, and an abort stops the copy between two chunks.
class PumpedCopy {
public:
    // Writes source beside destination into *copy (see TemporaryCopy::Write).
    // 1 when the copy ended by itself, written or failed as copy tells; 0
    // when the user aborted (the run's stop says so): the copy is given up
    // and its temporary file removed.
    static int Write(RunContext& run, const std::wstring& source, const std::wstring& destination,
                     TemporaryCopy* copy);

private:
    // Shared by the run and the copy's thread; the last to let go frees it.
    struct Job {
        std::wstring source;
        std::wstring destination;
        TemporaryCopy copy;
        volatile LONG cancel = 0;
        volatile LONG holders = 2;
        void Release();
    };
    static DWORD WINAPI ThreadMain(void* job);
};

#endif
