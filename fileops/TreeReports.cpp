#include "TreeReports.h"

#include "BilingualText.h"
#include "ErrorSink.h"
#include "FolderIndex.h"
#include "WidePath.h"

void ReportUnusableName(ErrorSink& errors, const std::wstring& folder, const FolderEntry& entry)
{
    errors.ShowError(FormatShown(
        Bilingual("The folder '%s' holds the name '%s', which Windows would take for another name (it holds a "
                  "separator, a wildcard, a colon, a control character or bytes that are not text). It was left "
                  "alone; the run was stopped.",
                  "ﾌｫﾙﾀﾞ '%s' の名前 '%s' は、Windows では別の名前として扱われます (区切り文字、ﾜｲﾙﾄﾞｶｰﾄﾞ、"
                  "ｺﾛﾝ、制御文字または文字でないﾊﾞｲﾄを含みます)。この名前には何もせず、処理を中止しました。"),
        {ShownPath(folder), entry.name}));
}

void ReportCaseTwins(ErrorSink& errors, const std::wstring& holder, const std::wstring& name,
                     const std::wstring& other)
{
    errors.ShowError(FormatShown(
        Bilingual("'%s' and '%s' in '%s' differ only in letter case, and one could be taken for the other. "
                  "Nothing was done to them; the run was stopped.",
                  "'%s' と '%s' (ﾌｫﾙﾀﾞ '%s') は大文字と小文字だけが違うため、取り違えるおそれがあります。"
                  "何もせず、処理を中止しました。"),
        {name, other, ShownPath(holder)}));
}

std::string WithCode(const char* format, DWORD code)
{
    std::string text(format);
    std::size_t at = text.find("%d");
    if (at != std::string::npos)
        text.replace(at, 2, std::to_string(static_cast<int>(code)));
    return text;
}

void ReportUnreadableFolder(ErrorSink& errors, const std::wstring& folder, DWORD code)
{
    errors.ShowError(FormatShown(WithCode(Bilingual("Can't read the folder '%s' (error %d). The run was stopped.",
                                                    "ﾌｫﾙﾀﾞ '%s' を読み取れません (ｴﾗｰ %d)。処理を中止しました。"),
                                          code)
                                     .c_str(),
                                 {ShownPath(folder)}));
}

void ReportLinkKept(ErrorSink& errors, const std::wstring& path, bool folder)
{
    const char* format =
        folder ? Bilingual("'%s' is a link to another folder. It was left in place, since removing it here could "
                           "remove the folder it points to. The run was stopped.",
                           "'%s' は別のﾌｫﾙﾀﾞへのﾘﾝｸです。ﾘﾝｸ先のﾌｫﾙﾀﾞを削除するおそれがあるため、"
                           "ﾘﾝｸは削除しませんでした。処理を中止しました。")
               : Bilingual("'%s' is a link to a file. It was left in place, since removing it here could remove "
                           "the file it points to. The run was stopped.",
                           "'%s' はﾌｧｲﾙへのﾘﾝｸです。ﾘﾝｸ先のﾌｧｲﾙを削除するおそれがあるため、"
                           "ﾘﾝｸは削除しませんでした。処理を中止しました。");
    errors.ShowError(FormatShown(format, {ShownPath(path)}));
}
