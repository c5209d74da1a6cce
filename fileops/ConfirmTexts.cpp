#include "ConfirmTexts.h"

#include "BilingualText.h"
#include "BoundedFormat.h"
#include "WidePath.h"

#include <vector>

namespace {

// The path's own name, quotes around the path dropped.
std::wstring NameOf(const std::wstring& path)
{
    if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"')
        return LastName(path.substr(1, path.size() - 2));
    return LastName(path);
}

bool HasAttribute(const std::wstring& path, DWORD attribute)
{
    DWORD attributes = GetFileAttributesW(LongPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & attribute);
}

std::wstring FormatWithName(const char* format, const std::wstring& path)
{
    return FormatShown(format, {NameOf(path)});
}

}

std::wstring ReplaceMessage(const std::wstring& existingFile)
{
    const char* format;
    if (HasAttribute(existingFile, FILE_ATTRIBUTE_SYSTEM))
        format = Bilingual("This folder already contains a system file called '%s'.",
                           "このﾌｫﾙﾀﾞには既にｼｽﾃﾑﾌｧｲﾙ %s が存在します。現在あるﾌｧｲﾙを、新しいﾌｧｲﾙで上書きしますか?");
    else if (HasAttribute(existingFile, FILE_ATTRIBUTE_READONLY))
        format = Bilingual("This folder already contains a read-only file called '%s'.",
                           "このﾌｫﾙﾀﾞには既に読み取り専用ﾌｧｲﾙ %s が存在します。現在あるﾌｧｲﾙを、新しいﾌｧｲﾙで上書きしますか?");
    else
        format = Bilingual("This folder already contains a file called '%s'.",
                           "このﾌｫﾙﾀﾞには既に %s というﾌｧｲﾙが存在します。現在あるﾌｧｲﾙを、新しいﾌｧｲﾙで上書きしますか?");
    return FormatWithName(format, existingFile);
}

std::wstring FileDeleteMessage(const std::wstring& path, bool toBin)
{
    // The plain question differs whole; the others end on the same one.
    std::wstring name = NameOf(path);
    const char* ask = toBin ? Bilingual(" Are you sure you want to move it to the Recycle Bin?",
                                        "ごみ箱に移動してもよろしいですか?")
                            : Bilingual(" Are you sure you want to delete it?", "削除してもよろしいですか?");
    std::string format;
    if (HasAttribute(path, FILE_ATTRIBUTE_READONLY))
        format = std::string(Bilingual("The file '%s' is a read-only file.", "ﾌｧｲﾙ '%s' は読み取り専用です。")) + ask;
    else if (EndsWith(name, L".exe") || EndsWith(name, L".com"))
        format = std::string(Bilingual("The file '%s' is a program.\n\nIf you remove it, you will no longer be able "
                                       "to run this program or edit some documents.",
                                       "ﾌｧｲﾙ '%s' はﾌﾟﾛｸﾞﾗﾑです。\n\n削除すると、このﾌﾟﾛｸﾞﾗﾑは実行できなくなり、また一部の"
                                       "文書は編集できなくなります。\n")) +
                 ask;
    else if (HasAttribute(path, FILE_ATTRIBUTE_SYSTEM))
        // In English this one asks nothing, but for the bin.
        format = std::string(Bilingual("The file '%s' is a system file.\n\nIf you remove it, your computer or one "
                                       "of your programs may no longer work correctly.",
                                       "ﾌｧｲﾙ '%s' はｼｽﾃﾑ ﾌｧｲﾙです。\n\n削除すると、ｼｽﾃﾑやｱﾌﾟﾘｹｰｼｮﾝが正しく作動しなくなる"
                                       "可能性があります。\n")) +
                 (toBin || EJapanese ? ask : "");
    else
        format = toBin ? Bilingual("Are you sure you want to move '%s' to the Recycle Bin?",
                                   "'%s' をごみ箱に移動してもよろしいですか?")
                       : Bilingual("Are you sure you want to delete '%s'?", "'%s' を削除してもよろしいですか?");
    return FormatWithName(format.c_str(), path);
}

std::wstring FolderDeleteMessage(const std::wstring& path, bool toBin)
{
    return FormatWithName(
        toBin ? Bilingual("Are you sure you want to move the folder '%s' and all its contents to the Recycle Bin?",
                          "ﾌｫﾙﾀﾞ'%s'とﾌｫﾙﾀﾞ内のすべてのﾌｧｲﾙをごみ箱に移動してもよろしいですか?")
              : Bilingual("Are you sure you want to remove the folder '%s' and all its contents?",
                          "ﾌｫﾙﾀﾞ'%s'とﾌｫﾙﾀﾞ内のすべてのﾌｧｲﾙを削除してもよろしいですか?"),
        path);
}

int FileSizeText(std::wstring& out, const std::wstring& path)
{
    // Attributes rather than a search: a '?' or '*' in a name must never
    // find some other file and show its numbers.
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(LongPath(path).c_str(), GetFileExInfoStandard, &data)) {
        out = Widen(Bilingual("The file can no longer be found.", "ﾌｧｲﾙが見つかりません。"));
        return 0;
    }
    unsigned long long bytes = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    char time[EConfirmTextSize];
    FileTimeText(data.ftLastWriteTime, time, sizeof time);
    char text[EConfirmTextSize];
    if (bytes >= 102400)
        FormatText(text, sizeof text, "%lluKB (%llu bytes)\n%s", bytes / 1024, bytes, time);
    else
        FormatText(text, sizeof text, "%llu.%lluKB (%llu bytes)\n%s", bytes / 1024, bytes % 1024 * 10 / 1024, bytes,
                   time);
    out = Widen(text);
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

std::string ShownInCodePage(const std::wstring& text)
{
    int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1)
        return std::string();
    std::vector<char> narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, narrow.data(), length, "?", nullptr);
    return narrow.data();
}
