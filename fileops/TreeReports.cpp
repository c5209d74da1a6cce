#include "TreeReports.h"

#include "BilingualText.h"
#include "MessageBoxes.h"

void ReportPathTooLong(HWND owner, const char* folder)
{
    ErrorBox(owner,
             Bilingual("A path in the folder '%s' is longer than 259 characters. The run was stopped.",
                       "ﾌｫﾙﾀﾞ '%s' の中のﾊﾟｽが長すぎます (259 ﾊﾞｲﾄを超えます)。処理を中止しました。"),
             folder);
}

void ReportUnrepresentableName(HWND owner, const char* folder)
{
    ErrorBox(owner,
             Bilingual("The folder '%s' holds a name that the system's code page cannot show. The run was stopped.",
                       "ﾌｫﾙﾀﾞ '%s' にｼｽﾃﾑのｺｰﾄﾞﾍﾟｰｼﾞで表せない名前があります。処理を中止しました。"),
             folder);
}

void ReportUnreadableFolder(HWND owner, const char* folder, DWORD code)
{
    ErrorBox(owner,
             Bilingual("Can't read the folder '%s' (error %d). The run was stopped.",
                       "ﾌｫﾙﾀﾞ '%s' を読み取れません (ｴﾗｰ %d)。処理を中止しました。"),
             folder, static_cast<int>(code));
}

void ReportLinkKept(HWND owner, const char* path)
{
    ErrorBox(owner,
             Bilingual("'%s' is a link to another folder. It was left in place, since removing it here could "
                       "remove the folder it points to. The run was stopped.",
                       "'%s' は別のﾌｫﾙﾀﾞへのﾘﾝｸです。ﾘﾝｸ先のﾌｫﾙﾀﾞを削除するおそれがあるため、"
                       "ﾘﾝｸは削除しませんでした。処理を中止しました。"),
             path);
}
