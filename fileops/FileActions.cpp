#include "FileActions.h"

#include "BilingualText.h"
#include "FolderIdentity.h"
#include "FolderIndex.h"
#include "MessageBoxes.h"
#include "PathText.h"
#include "TemporaryCopy.h"
#include "TreeReports.h"

namespace {

// path is the file named when one is in use: the source, or a destination
// that another program holds.
void ReportCopyError(HWND owner, DWORD code, const char* path)
{
    switch (code) {
    case ERROR_CRC:
        ErrorBox(owner, Bilingual("CRC ERROR", "CRCｴﾗｰ"));
        break;
    case ERROR_SHARING_VIOLATION:
        ErrorBox(owner, Bilingual("%s is in use", "%s は使用中です"), path);
        break;
    case ERROR_DISK_FULL:
        ErrorBox(owner, Bilingual("The disk is full", "ﾃﾞｨｽｸがいっぱいです"));
        break;
    default:
        ErrorBox(owner, "Error CopyFile %d", static_cast<int>(code));
        break;
    }
}

// Another program holds the file open without sharing.
bool InUse(const char* path)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}

}

int CopyFileWithReport(HWND owner, const char* source, const char* destination, BOOL failIfExists)
{
    bool exists = GetFileAttributesA(destination) != INVALID_FILE_ATTRIBUTES;
    if (exists && failIfExists) {
        ReportCopyError(owner, ERROR_FILE_EXISTS, source);
        return 0;
    }
    return CopyFileOver(owner, source, destination, exists);
}

int CopyFileOver(HWND owner, const char* source, const char* destination, bool destinationExists)
{
    TemporaryCopy copy;
    copy.Write(source, destination);
    return CommitCopyWithReport(owner, copy, source, destination, destinationExists);
}

int CommitCopyWithReport(HWND owner, TemporaryCopy& copy, const char* source, const char* destination,
                         bool destinationExists)
{
    if (!copy.Written()) {
        ReportCopyError(owner, copy.Error(), source);
        return 0;
    }
    if (copy.Commit(destinationExists))
        return 1;
    DWORD code = copy.Error();
    // A file that appeared meanwhile is not ours to replace.
    if (code == ERROR_ALREADY_EXISTS)
        code = ERROR_FILE_EXISTS;
    // Replacing a file that another program holds is refused as access
    // denied; the user is better told which file is in use.
    if (destinationExists && code != ERROR_SHARING_VIOLATION && InUse(destination))
        code = ERROR_SHARING_VIOLATION;
    ReportCopyError(owner, code, code == ERROR_SHARING_VIOLATION ? destination : source);
    return 0;
}

int SetAttributesWithReport(HWND owner, const char* path, DWORD attributes)
{
    if (SetFileAttributesA(path, attributes))
        return 1;
    ErrorBox(owner, "Error SetFileAttribute %d", static_cast<int>(GetLastError()));
    return 0;
}

int DeleteFileWithReport(HWND owner, const char* path, bool clearAttributes)
{
    // Wine deletes what a link to a file points to, and leaves the link.
    bool link = IsLinkAt(path) != 0;
    if (link && !CanRemoveLinkItself(path)) {
        ReportLinkKept(owner, path, false);
        return 0;
    }
    // Attributes set through a link would land on its target.
    if (clearAttributes && !link)
        SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    // Deleted, yet still there: a write-protected mount.
    DWORD code = ERROR_ACCESS_DENIED;
    FolderEntry left;
    if (!DeleteFileA(path))
        code = GetLastError();
    // A write-protected mount under Wine answers success and keeps the
    // file: only an entry that is gone counts as deleted. The search looks
    // at the entry itself, not at what a link leads to.
    else if (!ReadFolderEntry(path, &left, true))
        return 1;
    ErrorBox(owner, "Error DeleteFile %d", static_cast<int>(code));
    return 0;
}

int CreateFolderWithReport(HWND owner, const char* path, LPSECURITY_ATTRIBUTES security)
{
    if (CreateDirectoryA(path, security))
        return 1;
    DWORD code = GetLastError();
    if (code == ERROR_PATH_NOT_FOUND)
        ErrorBox(owner, Bilingual("Can't find the path specified. '%s'", "ﾃﾞｨﾚｸﾄﾘﾊﾟｽ '%s'が見つかりません。"), path);
    else if (code == ERROR_DISK_FULL)
        ErrorBox(owner, Bilingual("There is not enough space on the disk.", "ﾃﾞｨｽｸに十分な空き領域がありません。"));
    else
        ErrorBox(owner, "Error CreateDirectory %d", static_cast<int>(code));
    return 0;
}

int RemoveFolderWithReport(HWND owner, const char* path)
{
    if (RemoveDirectoryA(path))
        return 1;
    DWORD code = GetLastError();
    if (code == ERROR_DIR_NOT_EMPTY)
        ErrorBox(owner, Bilingual("Folder not empty", "ﾌｫﾙﾀﾞが空でありません"));
    else
        ErrorBox(owner, "Error RemoveDirectory %d", static_cast<int>(code));
    return 0;
}

void PumpOneMessage()
{
    // Asking for a message costs more than deciding about a small file, so
    // after a look that found none the next look waits a few milliseconds;
    // while messages are waiting, one is taken at every call.
    static DWORD emptySince;
    static bool lastWasEmpty;
    if (lastWasEmpty && GetTickCount() - emptySince < EPumpQuietMs)
        return;
    MSG message;
    lastWasEmpty = !PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);
    if (lastWasEmpty) {
        emptySince = GetTickCount();
        return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}
