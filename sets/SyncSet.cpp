#include "SyncSet.h"

#include <cstdlib>
#include <cstring>

namespace {

// A heap copy of exactly the text and its terminator; null when out of memory.
char* CopyText(const char* text)
{
    std::size_t size = std::strlen(text) + 1;
    char* copy = static_cast<char*>(std::malloc(size));
    if (copy)
        std::memcpy(copy, text, size);
    return copy;
}

}

SyncSet::SyncSet(const char* source, const char* destination, int deleteFlag, int dosTimeFlag, int forceFlag,
                 int excludeObjectFlag)
    : source(CopyText(source)), destination(CopyText(destination)), deleteFlag(deleteFlag),
      dosTimeFlag(dosTimeFlag), forceFlag(forceFlag), excludeObjectFlag(excludeObjectFlag)
{
}

SyncSet::~SyncSet()
{
    std::free(source);
    std::free(destination);
}
