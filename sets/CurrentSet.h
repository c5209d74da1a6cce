#ifndef OMBREL_CURRENTSET_H
#define OMBREL_CURRENTSET_H

// The set being shown and edited: what the fields hold once read, and what a
// run uses. Every text is a 260-byte buffer, always terminated.
struct CurrentSet {
    enum { TextSize = 260 };

    char name[TextSize] = {};
    char source[TextSize] = {};
    char destination[TextSize] = {};
    int deleteFlag = 0;
    int dosTimeFlag = 0;
    int forceFlag = 0;
    int excludeObjectFlag = 0;
};

#endif
