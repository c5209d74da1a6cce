#include "TreeSnapshot.h"

#include "TestProcess.h"

#include <windows.h>

#include <algorithm>

namespace {

void Walk(const std::string& root, const std::string& relative, TreeSnapshot& tree)
{
    WIN32_FIND_DATAA data;
    std::string folder = relative.empty() ? root : root + "\\" + relative;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string name = data.cFileName;
        if (name == "." || name == "..")
            continue;
        std::string path = relative.empty() ? name : relative + "\\" + name;
        PathState& state = tree[path];
        state.attributes = data.dwFileAttributes;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                Walk(root, path, tree);
            continue;
        }
        state.ticks = (static_cast<unsigned long long>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                      data.ftLastWriteTime.dwLowDateTime;
        state.content = ReadWholeFile(root + "\\" + path);
    } while (FindNextFileA(search, &data));
    FindClose(search);
}

}

bool PathState::operator==(const PathState& other) const
{
    return attributes == other.attributes && ticks == other.ticks && content == other.content;
}

TreeSnapshot Snapshot(const std::string& root)
{
    TreeSnapshot tree;
    Walk(root, "", tree);
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
