#ifndef OMBREL_SYNCSET_H
#define OMBREL_SYNCSET_H

#include "EObject.h"

// One stored sync set: its two folders and four options. Never changed after
// construction; a changed set is replaced by a new record. The name lives in
// the set list, not here.
class SyncSet : public EObject {
public:
    // Copies both texts.
    SyncSet(const char* source, const char* destination, int deleteFlag, int dosTimeFlag, int forceFlag,
            int excludeObjectFlag);
    ~SyncSet() override;

    // False when a text could not be copied.
    bool Valid() const { return source && destination; }
    const char* Source() const { return source ? source : ""; }
    const char* Destination() const { return destination ? destination : ""; }
    int DeleteFlag() const { return deleteFlag; }
    int DosTimeFlag() const { return dosTimeFlag; }
    int ForceFlag() const { return forceFlag; }
    int ExcludeObjectFlag() const { return excludeObjectFlag; }

private:
    char* source;
    char* destination;
    int deleteFlag;
    int dosTimeFlag;
    int forceFlag;
    int excludeObjectFlag;
};

#endif
