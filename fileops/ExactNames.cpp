#include "ExactNames.h"

#include <cwchar>

namespace {

bool IsDeviceName(const std::wstring& name)
{
    // The stem before the first dot, trailing spaces dropped, is what counts.
    std::size_t end = name.find(L'.');
    if (end == std::wstring::npos)
        end = name.size();
    while (end > 0 && name[end - 1] == L' ')
        --end;
    std::wstring stem;
    for (std::size_t i = 0; i < end; ++i) {
        wchar_t c = name[i];
        stem += (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
    }
    static const wchar_t* const devices[] = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"};
    for (const wchar_t* device : devices) {
        if (stem == device)
            return true;
    }
    // COM1-COM9 and LPT1-LPT9, with the superscript digits Windows also takes.
    if (stem.size() == 4 && (stem.compare(0, 3, L"COM") == 0 || stem.compare(0, 3, L"LPT") == 0)) {
        wchar_t digit = stem[3];
        return (digit >= L'1' && digit <= L'9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3;
    }
    return false;
}

}

int PathCallsKeepName(const std::wstring& name)
{
    if (name.empty() || name.back() == L'.' || name.back() == L' ')
        return 0;
    for (wchar_t c : name) {
        if (c < 0x20 || std::wcschr(L"<>:\"/\\|?*", c))
            return 0;
    }
    return IsDeviceName(name) ? 0 : 1;
}
