#ifndef OMBREL_SYNCOPTIONS_H
#define OMBREL_SYNCOPTIONS_H

// The four options of a sync set; nonzero means on.
struct SyncOptions {
    int deleteOrphans = 0;  // DELETE: run the delete pass after the update pass
    int dosTime = 0;        // DOSTIME: compare times at two-second steps
    int force = 0;          // FORCE: ask no confirmation
    int excludeObj = 0;     // EXCLUDEOBJ: leave ".obj" files alone
};

#endif
