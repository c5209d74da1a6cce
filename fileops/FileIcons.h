#ifndef OMBREL_FILEICONS_H
#define OMBREL_FILEICONS_H

#include <windows.h>

#include <string>

// The shell's icons for a few files. The icons belong to this object and are
// destroyed with it, after the dialog that showed them is gone: an icon
// static never destroys the icon it was given.
class FileIcons {
public:
    FileIcons() : count(0) {}
    ~FileIcons();
    FileIcons(const FileIcons&) = delete;
    FileIcons& operator=(const FileIcons&) = delete;

    // The file's icon as the shell shows it, or null when it knows none;
    // path is a full path, read through its long form.
    HICON Get(const std::wstring& path);

private:
    enum { Capacity = 2 };
    HICON icons[Capacity];
    int count;
};

#endif
