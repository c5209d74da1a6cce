#include "ExactNames.h"

#include <cwchar>

int LongPathsReachName(const std::wstring& name)
{
    if (name.empty())
        return 0;
    for (wchar_t c : name) {
        if (c < 0x20 || std::wcschr(L"<>:\"/\\|?*", c))
            return 0;
    }
    return 1;
}
