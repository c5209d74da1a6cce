#include "FileActions.h"

#include "BilingualText.h"
#include "MessageBoxes.h"
#include "PathText.h"

#include <cstdio>

namespace {

void ReportCopyError(HWND owner, DWORD code, const char* source)
{
    switch (code) {
    case ERROR_CRC:
        ErrorBox(owner, Bilingual("CRC ERROR", "CRCｴﾗｰ"));
        break;
    case ERROR_SHARING_VIOLATION:
        ErrorBox(owner, Bilingual("%s is in use", "%s は使用中です"), source);
        break;
    case ERROR_DISK_FULL:
        ErrorBox(owner, Bilingual("The disk is full", "ﾃﾞｨｽｸがいっぱいです"));
        break;
    default:
        ErrorBox(owner, "Error CopyFile %d", static_cast<int>(code));
        break;
    }
}

// Removes a file this program made, whatever attributes the copy gave it.
void DiscardFile(const char* path)
{
    SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path);
}

// Copies source to a new file beside destination whose name no user file
// holds (the copy never overwrites); returns 0 with *code set on failure.
int CopyToTemporary(const char* source, const char* destination, char* temporary, DWORD* code)
{
    char folder[EPathSize];
    char name[EPathSize];
    SplitPath(folder, name, destination);
    static unsigned serial;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char tempName[32];
        std::snprintf(tempName, sizeof tempName, "~omb%lX-%X.tmp", GetCurrentProcessId(), ++serial);
        if (!JoinPath(temporary, folder, tempName)) {
            *code = ERROR_FILENAME_EXCED_RANGE;
            return 0;
        }
        if (CopyFileA(source, temporary, TRUE))
            return 1;
        *code = GetLastError();
        if (*code != ERROR_FILE_EXISTS && *code != ERROR_ALREADY_EXISTS) {
            DiscardFile(temporary);
            return 0;
        }
    }
    return 0;
}

int ReplaceThroughTemporary(HWND owner, const char* source, const char* destination)
{
    char temporary[EPathSize];
    DWORD code = 0;
    if (!CopyToTemporary(source, destination, temporary, &code)) {
        ReportCopyError(owner, code, source);
        return 0;
    }
    if (!MoveFileExA(temporary, destination, MOVEFILE_REPLACE_EXISTING)) {
        code = GetLastError();
        DiscardFile(temporary);
        ReportCopyError(owner, code, source);
        return 0;
    }
    return 1;
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
    if (destinationExists)
        return ReplaceThroughTemporary(owner, source, destination);
    if (CopyFileA(source, destination, TRUE))
        return 1;
    DWORD code = GetLastError();
    // A copy cut short leaves a partial file stamped with the source's time;
    // it must not stay to look up to date. One that appeared meanwhile is not ours.
    if (code != ERROR_FILE_EXISTS && code != ERROR_ALREADY_EXISTS)
        DiscardFile(destination);
    ReportCopyError(owner, code, source);
    return 0;
}

int SetAttributesWithReport(HWND owner, const char* path, DWORD attributes)
{
    if (SetFileAttributesA(path, attributes))
        return 1;
    ErrorBox(owner, "Error SetFileAttribute %d", static_cast<int>(GetLastError()));
    return 0;
}

int DeleteFileWithReport(HWND owner, const char* path)
{
    if (DeleteFileA(path))
        return 1;
    ErrorBox(owner, "Error DeleteFile %d", static_cast<int>(GetLastError()));
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
