#include "TreeReports.h"

#include "BilingualText.h"
#include "FolderIndex.h"
#include "MessageBoxes.h"

void ReportPathTooLong(HWND owner, const char* folder)
{
    ErrorBox(owner,
             Bilingual("A path in the folder '%s' is longer than 259 characters. The run was stopped.",
                       "ﾌｫﾙﾀﾞ '%s' の中のﾊﾟｽが長すぎます (259 ﾊﾞｲﾄを超えます)。処理を中止しました。"),
             folder);
}

void ReportUnusableName(HWND owner, const char* folder, const FolderEntry& entry)
{
    if (!entry.representable) {
        ErrorBox(owner,
                 Bilingual("The folder '%s' holds a name that the system's code page cannot show ('%s'). "
                           "The run was stopped.",
                           "ﾌｫﾙﾀﾞ '%s' にｼｽﾃﾑのｺｰﾄﾞﾍﾟｰｼﾞで表せない名前 ('%s') があります。処理を中止しました。"),
                 folder, entry.name.c_str());
        return;
    }
    ErrorBox(owner,
             Bilingual("The folder '%s' holds the name '%s', which Windows would take for another name (it ends "
                       "in a dot or a space, holds a reserved character or names a device). It was left alone; "
                       "the run was stopped.",
                       "ﾌｫﾙﾀﾞ '%s' の名前 '%s' は、Windows では別の名前として扱われます (末尾がﾋﾟﾘｵﾄﾞか空白、"
                       "使用できない文字、またはﾃﾞﾊﾞｲｽ名)。この名前には何もせず、処理を中止しました。"),
             folder, entry.name.c_str());
}

void ReportCaseTwins(HWND owner, const char* holder, const char* name, const char* other)
{
    ErrorBox(owner,
             Bilingual("'%s' and '%s' in '%s' differ only in letter case, and one could be taken for the other. "
                       "Nothing was done to them; the run was stopped.",
                       "'%s' と '%s' (ﾌｫﾙﾀﾞ '%s') は大文字と小文字だけが違うため、取り違えるおそれがあります。"
                       "何もせず、処理を中止しました。"),
             name, other, holder);
}

void ReportUnreadableFolder(HWND owner, const char* folder, DWORD code)
{
    ErrorBox(owner,
             Bilingual("Can't read the folder '%s' (error %d). The run was stopped.",
                       "ﾌｫﾙﾀﾞ '%s' を読み取れません (ｴﾗｰ %d)。処理を中止しました。"),
             folder, static_cast<int>(code));
}

void ReportLinkKept(HWND owner, const char* path, bool folder)
{
    if (!folder) {
        ErrorBox(owner,
                 Bilingual("'%s' is a link to a file. It was left in place, since removing it here could remove "
                           "the file it points to. The run was stopped.",
                           "'%s' はﾌｧｲﾙへのﾘﾝｸです。ﾘﾝｸ先のﾌｧｲﾙを削除するおそれがあるため、"
                           "ﾘﾝｸは削除しませんでした。処理を中止しました。"),
                 path);
        return;
    }
    ErrorBox(owner,
             Bilingual("'%s' is a link to another folder. It was left in place, since removing it here could "
                       "remove the folder it points to. The run was stopped.",
                       "'%s' は別のﾌｫﾙﾀﾞへのﾘﾝｸです。ﾘﾝｸ先のﾌｫﾙﾀﾞを削除するおそれがあるため、"
                       "ﾘﾝｸは削除しませんでした。処理を中止しました。"),
             path);
}
