#include "RunGuards.h"

#include "EngineReports.h"
#include "FolderIdentity.h"
#include "PathText.h"
#include "TreeReports.h"

#include <cstring>
#include <initializer_list>

int CheckSafeFolders(HWND owner, const char* source, const char* destination)
{
    for (const char* path : {source, destination}) {
        if (std::strlen(path) >= EPathSize) {
            ReportPathTooLong(owner, path);
            return 0;
        }
        // A relative folder would resolve against whatever is current.
        if (!IsFullPath(path)) {
            ReportNotFullPath(owner, path);
            return 0;
        }
    }
    if (IsSameOrInside(destination, source) || IsSameOrInside(source, destination)) {
        ReportNestedFolders(owner, source, destination);
        return 0;
    }
    return 1;
}
