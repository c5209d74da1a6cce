#include "ConfirmTexts.h"

#include "BilingualText.h"
#include "BoundedFormat.h"
#include "FileQueries.h"
#include "PathText.h"

namespace {

// Formats the message with the path's own name, quotes dropped.
void FormatWithName(char* out, std::size_t size, const char* format, const char* path)
{
    char folder[EPathSize];
    char name[EPathSize];
    SplitPath(folder, name, path);
    FormatText(out, size, format, name);
}

}

void ReplaceMessage(char* out, std::size_t size, const char* existingFile)
{
    const char* format;
    if (IsSystemFile(existingFile))
        format = Bilingual("This folder already contains a system file called '%s'.",
                           "このﾌｫﾙﾀﾞには既にｼｽﾃﾑﾌｧｲﾙ %s が存在します。現在あるﾌｧｲﾙを、新しいﾌｧｲﾙで上書きしますか?");
    else if (IsReadOnlyFile(existingFile))
        format = Bilingual("This folder already contains a read-only file called '%s'.",
                           "このﾌｫﾙﾀﾞには既に読み取り専用ﾌｧｲﾙ %s が存在します。現在あるﾌｧｲﾙを、新しいﾌｧｲﾙで上書きしますか?");
    else
        format = Bilingual("This folder already contains a file called '%s'.",
                           "このﾌｫﾙﾀﾞには既に %s というﾌｧｲﾙが存在します。現在あるﾌｧｲﾙを、新しいﾌｧｲﾙで上書きしますか?");
    FormatWithName(out, size, format, existingFile);
}

void FileDeleteMessage(char* out, std::size_t size, const char* path)
{
    const char* format;
    if (IsReadOnlyFile(path))
        format = Bilingual("The file '%s' is a read-only file. Are you sure you want to delete it?",
                           "ﾌｧｲﾙ '%s' は読み取り専用です。削除してもよろしいですか?");
    else if (IsProgramFile(path))
        format = Bilingual("The file '%s' is a program.\n\nIf you remove it, you will no longer be able to run this "
                           "program or edit some documents. Are you sure you want to delete it?",
                           "ﾌｧｲﾙ '%s' はﾌﾟﾛｸﾞﾗﾑです。\n\n削除すると、このﾌﾟﾛｸﾞﾗﾑは実行できなくなり、また一部の文書は編集できなく"
                           "なります。\n削除してもよろしいですか?");
    else if (IsSystemFile(path))
        format = Bilingual("The file '%s' is a system file.\n\nIf you remove it, your computer or one of your "
                           "programs may no longer work correctly.",
                           "ﾌｧｲﾙ '%s' はｼｽﾃﾑ ﾌｧｲﾙです。\n\n削除すると、ｼｽﾃﾑやｱﾌﾟﾘｹｰｼｮﾝが正しく作動しなくなる可能性があります。"
                           "\n削除してもよろしいですか?");
    else
        format = Bilingual("Are you sure you want to delete '%s'?", "'%s' を削除してもよろしいですか?");
    FormatWithName(out, size, format, path);
}

void FolderDeleteMessage(char* out, std::size_t size, const char* path)
{
    FormatWithName(out, size,
                   Bilingual("Are you sure you want to remove the folder '%s' and all its contents?",
                             "ﾌｫﾙﾀﾞ'%s'とﾌｫﾙﾀﾞ内のすべてのﾌｧｲﾙを削除してもよろしいですか?"),
                   path);
}

int FileSizeText(char* out, std::size_t size, const char* path)
{
    // Attributes rather than a search: a '?' or '*' in a name must never
    // find some other file and show its numbers.
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data)) {
        FormatText(out, size, "%s", Bilingual("The file can no longer be found.", "ﾌｧｲﾙが見つかりません。"));
        return 0;
    }
    unsigned long long bytes = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    char time[EConfirmTextSize];
    FileTimeText(data.ftLastWriteTime, time, sizeof time);
    if (bytes >= 102400)
        FormatText(out, size, "%lluKB (%llu bytes)\n%s", bytes / 1024, bytes, time);
    else
        FormatText(out, size, "%llu.%lluKB (%llu bytes)\n%s", bytes / 1024, bytes % 1024 * 10 / 1024, bytes, time);
    return 1;
}

int FileTimeText(const FILETIME& time, char* out, std::size_t size)
{
    out[0] = '\0';
    FILETIME local;
    SYSTEMTIME calendar;
    if (!FileTimeToLocalFileTime(&time, &local) || !FileTimeToSystemTime(&local, &calendar))
        return 0;
    char date[255];
    char clock[255];
    if (!GetDateFormatA(LOCALE_SYSTEM_DEFAULT, 0, &calendar, nullptr, date, sizeof date) ||
        !GetTimeFormatA(LOCALE_SYSTEM_DEFAULT, 0, &calendar, nullptr, clock, sizeof clock))
        return 0;
    FormatText(out, size, "%s %s", date, clock);
    return 1;
}
