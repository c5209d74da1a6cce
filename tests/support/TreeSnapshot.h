#ifndef OMBREL_TREESNAPSHOT_H
#define OMBREL_TREESNAPSHOT_H

#include <map>
#include <string>
#include <vector>

// What a folder tree holds, to tell what a run changed: every file and
// folder below the root by its path relative to the root, with attributes
// and, for files, last-write time and content. Folder times are left out:
// they move whenever an entry comes or goes. Links are recorded, not
// followed.
struct PathState {
    unsigned long attributes = 0;
    unsigned long long ticks = 0;
    std::string content;
    bool operator==(const PathState& other) const
    {
        return attributes == other.attributes && ticks == other.ticks && content == other.content;
    }
    bool operator!=(const PathState& other) const { return !(*this == other); }
};

typedef std::map<std::string, PathState> TreeSnapshot;

TreeSnapshot Snapshot(const std::string& root);

// The relative paths added, removed or changed, in order.
std::vector<std::string> Changes(const TreeSnapshot& before, const TreeSnapshot& after);

// Relative paths of the files below destination that differ from the file
// of the same relative path below source: each a half-made or wrong copy,
// unless the run was to leave it alone.
std::vector<std::string> FilesUnlikeSource(const TreeSnapshot& source, const TreeSnapshot& destination);

#endif
