#ifndef OMBREL_ECRITICALSECTION_H
#define OMBREL_ECRITICALSECTION_H

#include <windows.h>

// A critical section that lives as long as its object; entered only through
// Lock, so that no way out of a scope leaves it held.
class ECriticalSection {
public:
    ECriticalSection() { InitializeCriticalSection(&section); }
    ~ECriticalSection() { DeleteCriticalSection(&section); }
    ECriticalSection(const ECriticalSection&) = delete;
    ECriticalSection& operator=(const ECriticalSection&) = delete;

    // Holds the section from its construction to the end of its scope.
    class Lock {
    public:
        explicit Lock(ECriticalSection& owner) : owner(owner) { EnterCriticalSection(&owner.section); }
        ~Lock() { LeaveCriticalSection(&owner.section); }
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

        // Waits on condition, the section given up meanwhile and held again
        // on return; false when timeoutMs passed first.
        bool Wait(CONDITION_VARIABLE& condition, DWORD timeoutMs = INFINITE)
        {
            return SleepConditionVariableCS(&condition, &owner.section, timeoutMs) != 0;
        }

    private:
        friend class ECriticalSection;
        ECriticalSection& owner;
    };

    // Gives up a held Lock for the rest of its own scope, for work that
    // must not hold the section; the section is held again at its end.
    class Unlock {
    public:
        explicit Unlock(Lock& held) : owner(OwnerOf(held)) { LeaveCriticalSection(&owner.section); }
        ~Unlock() { EnterCriticalSection(&owner.section); }
        Unlock(const Unlock&) = delete;
        Unlock& operator=(const Unlock&) = delete;

    private:
        ECriticalSection& owner;
    };

private:
    static ECriticalSection& OwnerOf(Lock& held) { return held.owner; }

    CRITICAL_SECTION section;
};

#endif
