#include "FileActions.h"

#include "BilingualText.h"
#include "EHandle.h"
#include "ErrorSink.h"
#include "FolderIdentity.h"
#include "FolderIndex.h"
#include "TemporaryCopy.h"
#include "TreeReports.h"
#include "WidePath.h"

namespace {

void ReportCode(ErrorSink& errors, const char* call, DWORD code)
{
    errors.ShowFailure(Widen(call) + L" " + std::to_wstring(static_cast<int>(code)), code);
}

// path is the file named when one is in use: the source, or a destination
// that another program holds.
void ReportCopyError(ErrorSink& errors, DWORD code, const std::wstring& path)
{
    switch (code) {
    case ERROR_CRC:
        errors.ShowFailure(Widen(Bilingual("CRC ERROR", "CRCｴﾗｰ")), code);
        break;
    case ERROR_SHARING_VIOLATION:
        errors.ShowFailure(FormatShown(Bilingual("%s is in use", "%s は使用中です"), {ShownPath(path)}), code);
        break;
    case ERROR_DISK_FULL:
        errors.ShowFailure(Widen(Bilingual("The disk is full", "ﾃﾞｨｽｸがいっぱいです")), code);
        break;
    default:
        ReportCode(errors, "Error CopyFile", code);
        break;
    }
}

// Another program holds the file open without sharing.
bool InUse(const std::wstring& path)
{
    EFileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, 0, nullptr));
    return !file.Valid() && GetLastError() == ERROR_SHARING_VIOLATION;
}

}

int CopyFileWithReport(ErrorSink& errors, const std::wstring& source, const std::wstring& destination,
                       BOOL failIfExists)
{
    bool exists = GetFileAttributesW(LongPath(destination).c_str()) != INVALID_FILE_ATTRIBUTES;
    if (exists && failIfExists) {
        ReportCopyError(errors, ERROR_FILE_EXISTS, source);
        return 0;
    }
    TemporaryCopy copy;
    copy.Write(source, destination);
    return CommitCopyWithReport(errors, copy, source, destination, exists);
}

int CommitCopyWithReport(ErrorSink& errors, TemporaryCopy& copy, const std::wstring& source,
                         const std::wstring& destination, bool destinationExists)
{
    if (!copy.Written()) {
        ReportCopyError(errors, copy.Error(), source);
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
    if (destinationExists && code != ERROR_SHARING_VIOLATION && InUse(LongPath(destination)))
        code = ERROR_SHARING_VIOLATION;
    ReportCopyError(errors, code, code == ERROR_SHARING_VIOLATION ? destination : source);
    return 0;
}

int SetAttributesWithReport(ErrorSink& errors, const std::wstring& path, DWORD attributes)
{
    if (SetFileAttributesW(LongPath(path).c_str(), attributes))
        return 1;
    ReportCode(errors, "Error SetFileAttribute", GetLastError());
    return 0;
}

int DeleteFileWithReport(ErrorSink& errors, const std::wstring& path, bool clearAttributes)
{
    std::wstring target = LongPath(path);
    // Wine deletes what a link to a file points to, and leaves the link.
    bool link = IsLinkAt(target) != 0;
    if (link && !CanRemoveLinkItself(target)) {
        ReportLinkKept(errors, target, false);
        return 0;
    }
    // Attributes set through a link would land on its target. Those cleared
    // come back when the file stays.
    DWORD attributes = clearAttributes && !link ? GetFileAttributesW(target.c_str()) : INVALID_FILE_ATTRIBUTES;
    bool cleared = attributes != INVALID_FILE_ATTRIBUTES && (attributes & BlockingAttributes) &&
                   SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    // Deleted, yet still there: a write-protected mount.
    DWORD code = ERROR_WRITE_PROTECT;
    FolderEntry left;
    if (!DeleteFileW(target.c_str()))
        code = GetLastError();
    // A write-protected mount under Wine answers success and keeps the
    // file: only an entry that is gone counts as deleted. The search looks
    // at the entry itself, not at what a link leads to.
    else if (!ReadFolderEntry(target, &left, true))
        return 1;
    if (cleared)
        SetFileAttributesW(target.c_str(), attributes);
    ReportCode(errors, "Error DeleteFile", code);
    return 0;
}

void RemoveLeftover(const std::wstring& path)
{
    std::wstring target = LongPath(path);
    if (IsLinkAt(target))
        return;
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(target.c_str());
}

int CreateFolderWithReport(ErrorSink& errors, const std::wstring& path)
{
    if (CreateDirectoryW(LongPath(path).c_str(), nullptr))
        return 1;
    DWORD code = GetLastError();
    if (code == ERROR_PATH_NOT_FOUND)
        errors.ShowError(FormatShown(
            Bilingual("Can't find the path specified. '%s'", "ﾃﾞｨﾚｸﾄﾘﾊﾟｽ '%s'が見つかりません。"), {ShownPath(path)}));
    else if (code == ERROR_DISK_FULL)
        errors.ShowError(
            Widen(Bilingual("There is not enough space on the disk.", "ﾃﾞｨｽｸに十分な空き領域がありません。")));
    else
        ReportCode(errors, "Error CreateDirectory", code);
    return 0;
}

int RemoveFolderWithReport(ErrorSink& errors, const std::wstring& path)
{
    if (RemoveDirectoryW(LongPath(path).c_str()))
        return 1;
    DWORD code = GetLastError();
    if (code == ERROR_DIR_NOT_EMPTY)
        errors.ShowError(Widen(Bilingual("Folder not empty", "ﾌｫﾙﾀﾞが空でありません")));
    else
        ReportCode(errors, "Error RemoveDirectory", code);
    return 0;
}
