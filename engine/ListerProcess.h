#ifndef OMBREL_LISTERPROCESS_H
#define OMBREL_LISTERPROCESS_H

#include "ListingExchange.h"
#include "ListingSource.h"

#include <windows.h>

#include <memory>
#include <string>

// Destination listings from a lister process beside the run. Under Wine a
// process reads one folder at a time however many threads ask, so a
// second process reading the destination tree lets both trees be read at
// once. The lister is started only once the run has read startAfter
// destination folders itself, so small runs never pay for it; without it,
// or when it falls behind, the run reads the folder itself.
class ListerProcess : public ListingSource {
public:
    // The name of the lister program, looked for beside the running one.
    static const char* const ProgramName;

    ListerProcess(const char* destinationRoot, int startAfter, DWORD freshMs);
    // Tells the lister to stop and ends it if it does not at once.
    ~ListerProcess() override;
    ListerProcess(const ListerProcess&) = delete;
    ListerProcess& operator=(const ListerProcess&) = delete;

    bool Take(const char* folder, FolderIndex* listing, ULONGLONG* doneAt) override;
    bool Active() override;

    // How many listings came from the lister.
    long Served() const { return served; }
    // The lister's process while it runs, else nullptr.
    HANDLE Process() const { return process; }

private:
    void Start();

    const std::string root;
    const int startAfter;
    const DWORD freshMs;
    CRITICAL_SECTION lock;
    int asked = 0;
    bool started = false;
    volatile LONG active = 0;
    long served = 0;
    ULONGLONG lastAliveCheck = 0;
    std::unique_ptr<ListingExchange> exchange;
    HANDLE process = nullptr;
};

#endif
