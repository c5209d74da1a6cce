#include "RunGuards.h"

#include "EngineReports.h"
#include "FolderIdentity.h"

namespace {

bool IsSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

// A drive letter with a separator (D:\), or a network or \\?\ path.
bool IsFullPath(const std::wstring& path)
{
    wchar_t drive = path.empty() ? 0 : static_cast<wchar_t>(path[0] | 0x20);
    if (drive >= L'a' && drive <= L'z' && path.size() >= 3 && path[1] == L':' && IsSeparator(path[2]))
        return true;
    return path.size() >= 3 && path[0] == L'\\' && path[1] == L'\\' && !IsSeparator(path[2]);
}

}

int CheckSafeFolders(ErrorSink& errors, const std::wstring& source, const std::wstring& destination,
                     std::wstring* from, std::wstring* to)
{
    // A relative folder would resolve against whatever is current.
    for (const std::wstring* path : {&source, &destination}) {
        if (!IsFullPath(*path)) {
            ReportNotFullPath(errors, *path);
            return 0;
        }
    }
    *from = NormalPath(source);
    *to = NormalPath(destination);
    if (from->empty() || to->empty()) {
        ReportNotFullPath(errors, from->empty() ? source : destination);
        return 0;
    }
    if (IsSameOrInside(*to, *from) || IsSameOrInside(*from, *to)) {
        ReportNestedFolders(errors, source, destination);
        return 0;
    }
    return 1;
}
