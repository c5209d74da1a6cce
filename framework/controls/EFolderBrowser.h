#ifndef OMBREL_EFOLDERBROWSER_H
#define OMBREL_EFOLDERBROWSER_H

#include <windows.h>

// Runs the system's folder chooser over the owner window and keeps the
// chosen folder's path until the next Browse.
class EFolderBrowser {
public:
    // Copies the title; both may be null.
    EFolderBrowser(HWND owner, const char* title);
    virtual ~EFolderBrowser();
    EFolderBrowser(const EFolderBrowser&) = delete;
    EFolderBrowser& operator=(const EFolderBrowser&) = delete;

    // 1 when a file-system folder was chosen; 0 (and an empty path) for
    // Cancel or an item without a path.
    virtual int Browse();

    // Copies the chosen path with its terminator into destination. A path
    // that does not fit in size bytes is not cut: destination gets the empty
    // string and the answer is 0.
    int GetPath(char* destination, int size) const;

private:
    HWND owner;
    char* title;
    char displayName[MAX_PATH];
    char path[MAX_PATH];
};

#endif
