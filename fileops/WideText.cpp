#include "WidePath.h"

#include <windows.h>

#include <cstring>

namespace {

bool Convert(const char* text, DWORD flags, std::wstring* wide)
{
    wide->clear();
    int length = static_cast<int>(std::strlen(text));
    if (length == 0)
        return true;
    int needed = MultiByteToWideChar(CP_ACP, flags, text, length, nullptr, 0);
    if (needed <= 0)
        return false;
    wide->resize(static_cast<std::size_t>(needed));
    return MultiByteToWideChar(CP_ACP, flags, text, length, &(*wide)[0], needed) == needed;
}

}

bool WidenStrictly(const char* text, std::wstring* wide)
{
    if (Convert(text, MB_ERR_INVALID_CHARS, wide))
        return true;
    wide->clear();
    return false;
}

std::wstring Widen(const char* text)
{
    std::wstring wide;
    Convert(text, 0, &wide);
    return wide;
}

std::wstring FormatShown(const char* format, const std::vector<std::wstring>& args)
{
    std::wstring pattern = Widen(format);
    std::wstring text;
    auto next = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == L'%' && i + 1 < pattern.size() && pattern[i + 1] == L's' && next != args.end()) {
            text += *next++;
            ++i;
        } else if (pattern[i] == L'%' && i + 1 < pattern.size() && pattern[i + 1] == L'%') {
            text += L'%';
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

bool NarrowStrictly(const std::wstring& text, std::string* narrow)
{
    BOOL lossy = FALSE;
    int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, nullptr, 0, nullptr, &lossy);
    if (length <= 0 || lossy)
        return false;
    narrow->assign(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, &(*narrow)[0], length, nullptr, nullptr);
    narrow->resize(static_cast<std::size_t>(length - 1));
    return true;
}
