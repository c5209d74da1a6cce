#include "WidePath.h"

#include <cwchar>
#include <initializer_list>

// The path text alone, free of system calls; the conversions from the code
// page are in WideText.cpp.

namespace {

bool IsSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

wchar_t FoldAscii(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

const wchar_t LongPrefix[] = L"\\\\?\\";
const wchar_t LongUncPrefix[] = L"\\\\?\\UNC\\";

bool StartsWith(const std::wstring& text, const wchar_t* prefix)
{
    return text.compare(0, std::wcslen(prefix), prefix) == 0;
}

}

std::wstring LongPath(const std::wstring& path)
{
    // \\.\ names a device path; in the long form it is the same place.
    if (StartsWith(path, LongPrefix))
        return path;
    if (StartsWith(path, L"\\\\.\\"))
        return LongPrefix + path.substr(4);
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]))
        return LongUncPrefix + path.substr(2);
    return LongPrefix + path;
}

std::wstring ShownPath(const std::wstring& path)
{
    if (StartsWith(path, LongUncPrefix))
        return L"\\\\" + path.substr(std::wcslen(LongUncPrefix));
    if (StartsWith(path, LongPrefix))
        return path.substr(std::wcslen(LongPrefix));
    return path;
}

std::size_t RootLength(const std::wstring& path)
{
    if (StartsWith(path, LongUncPrefix)) {
        // \\?\UNC\server\share\ : two more separators after the prefix.
        std::size_t server = path.find(L'\\', std::wcslen(LongUncPrefix));
        if (server == std::wstring::npos)
            return 0;
        std::size_t share = path.find(L'\\', server + 1);
        return share == std::wstring::npos ? path.size() : share + 1;
    }
    if (!StartsWith(path, LongPrefix))
        return 0;
    std::size_t volume = path.find(L'\\', std::wcslen(LongPrefix));
    return volume == std::wstring::npos ? path.size() : volume + 1;
}

bool CutLastName(std::wstring* path)
{
    std::size_t root = RootLength(*path);
    while (path->size() > root && path->back() == L'\\')
        path->pop_back();
    std::size_t last = path->find_last_of(L'\\');
    if (root == 0 || path->size() <= root || last == std::wstring::npos)
        return false;
    // D:\a becomes D:\ with its separator; deeper paths lose theirs.
    path->resize(last + 1 <= root ? root : last);
    return true;
}

std::wstring JoinName(const std::wstring& folder, const std::wstring& name)
{
    std::wstring joined;
    joined.reserve(folder.size() + 1 + name.size());
    joined = folder;
    if (!joined.empty() && joined.back() != L'\\')
        joined += L'\\';
    joined += name;
    return joined;
}

std::wstring LastName(const std::wstring& path)
{
    std::size_t last = path.find_last_of(L'\\');
    return last == std::wstring::npos ? path : path.substr(last + 1);
}

bool EndsWith(const std::wstring& name, const wchar_t* suffix)
{
    std::size_t length = std::wcslen(suffix);
    if (name.size() <= length)
        return false;
    for (std::size_t i = 0; i < length; ++i) {
        if (FoldAscii(name[name.size() - length + i]) != FoldAscii(suffix[i]))
            return false;
    }
    return true;
}

bool IsSkippedEntry(const std::wstring& name)
{
    if (name == L"." || name == L"..")
        return true;
    for (const wchar_t* skipped : {L"recycler", L"recycled"}) {
        if (name.size() != std::wcslen(skipped))
            continue;
        std::size_t i = 0;
        while (i < name.size() && FoldAscii(name[i]) == skipped[i])
            ++i;
        if (i == name.size())
            return true;
    }
    return false;
}
