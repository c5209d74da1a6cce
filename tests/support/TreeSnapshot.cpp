#include "TreeSnapshot.h"

#include "TreeBuilder.h"

#include <windows.h>

#include <algorithm>

namespace {

// Wide and in the \\?\ form, so that every name and depth is seen; the
// snapshot's keys are relative paths in UTF-8.
void Walk(const std::wstring& root, const std::wstring& relative, TreeSnapshot& tree)
{
    WIN32_FIND_DATAW data;
    std::wstring folder = relative.empty() ? root : root + L"\\" + relative;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        std::wstring name = data.cFileName;
        if (name == L"." || name == L"..")
            continue;
        std::wstring path = relative.empty() ? name : relative + L"\\" + name;
        PathState& state = tree[Utf8Text(path)];
        state.attributes = data.dwFileAttributes;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                Walk(root, path, tree);
            continue;
        }
        state.ticks = (static_cast<unsigned long long>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                      data.ftLastWriteTime.dwLowDateTime;
        state.content = ReadWholeFileW(root + L"\\" + path);
    } while (FindNextFileW(search, &data));
    FindClose(search);
}

}

TreeSnapshot Snapshot(const std::string& root)
{
    TreeSnapshot tree;
    Walk(LongForm(root), std::wstring(), tree);
    return tree;
}

std::vector<std::string> Changes(const TreeSnapshot& before, const TreeSnapshot& after)
{
    std::vector<std::string> changed;
    for (const auto& entry : before) {
        auto now = after.find(entry.first);
        if (now == after.end() || now->second != entry.second)
            changed.push_back(entry.first);
    }
    for (const auto& entry : after) {
        if (!before.count(entry.first))
            changed.push_back(entry.first);
    }
    std::sort(changed.begin(), changed.end());
    return changed;
}

std::vector<std::string> FilesUnlikeSource(const TreeSnapshot& source, const TreeSnapshot& destination)
{
    std::vector<std::string> unlike;
    for (const auto& entry : destination) {
        if (entry.second.attributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        auto original = source.find(entry.first);
        if (original == source.end() || original->second.content != entry.second.content)
            unlike.push_back(entry.first);
    }
    return unlike;
}
