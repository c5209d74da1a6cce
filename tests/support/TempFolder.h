#ifndef OMBREL_TEMPFOLDER_H
#define OMBREL_TEMPFOLDER_H

#include <string>
#include <vector>

// A new, empty folder under the system's temporary folder, removed with all
// it holds when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path; }
    // Path joined with a relative name ("a\\b.txt").
    std::string operator/(const std::string& name) const { return path + "\\" + name; }

private:
    std::string path;
};

// The names in a folder, sorted, without "." and "..".
std::vector<std::string> FolderNames(const std::string& folder);

#endif
