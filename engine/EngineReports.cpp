#include "EngineReports.h"

#include "BilingualText.h"
#include "ErrorSink.h"
#include "TreeReports.h"
#include "WidePath.h"

#include <vector>

namespace {

// The text of the interface language with each %s a path, as a user writes it.
void Tell(ErrorSink& errors, const char* english, const char* japanese, std::initializer_list<std::wstring> paths)
{
    std::vector<std::wstring> shown;
    for (const std::wstring& path : paths)
        shown.push_back(ShownPath(path));
    errors.ShowError(FormatShown(Bilingual(english, japanese), shown));
}

}

void ReportNotFullPath(ErrorSink& errors, const std::wstring& path)
{
    Tell(errors,
         "'%s' is not a full path. Give the folder with its drive (D:\\folder) or as a network "
         "path (\\\\server\\share\\folder).",
         "'%s' は完全なﾊﾟｽではありません。ﾄﾞﾗｲﾌﾞ名から (D:\\ﾌｫﾙﾀﾞ)、またはﾈｯﾄﾜｰｸのﾊﾟｽ "
         "(\\\\ｻｰﾊﾞｰ\\共有\\ﾌｫﾙﾀﾞ) で指定してください。",
         {path});
}

void ReportNestedFolders(ErrorSink& errors, const std::wstring& source, const std::wstring& destination)
{
    Tell(errors,
         "The folders '%s' and '%s' are the same folder, or one lies inside the other. "
         "Nothing was changed.",
         "ﾌｫﾙﾀﾞ '%s' と '%s' は同じﾌｫﾙﾀﾞか、一方がもう一方の中にあります。"
         "何も変更していません。",
         {source, destination});
}

void ReportDestinationLink(ErrorSink& errors, const std::wstring& link)
{
    Tell(errors, "'%s' is a link to another folder. Nothing is written through it; the run was stopped.",
         "'%s' は別のﾌｫﾙﾀﾞへのﾘﾝｸです。ﾘﾝｸ先には書き込みません。処理を中止しました。", {link});
}

void ReportSourceLink(ErrorSink& errors, const std::wstring& link)
{
    Tell(errors, "'%s' is a link to a folder that holds it or the destination. The run was stopped.",
         "'%s' は自分自身か転送先を含むﾌｫﾙﾀﾞへのﾘﾝｸです。処理を中止しました。", {link});
}

void ReportFileInTheWay(ErrorSink& errors, const std::wstring& path)
{
    Tell(errors, "Can't create the folder '%s': a file of that name exists. The run was stopped.",
         "同じ名前のﾌｧｲﾙがあるため、ﾌｫﾙﾀﾞ '%s' を作成できません。処理を中止しました。", {path});
}

void ReportOldVersionInBin(ErrorSink& errors, const std::wstring& path)
{
    Tell(errors, "The old version of '%s' is in the Recycle Bin: the new one could not take its place.",
         "'%s' の古いﾊﾞｰｼﾞｮﾝはごみ箱にあります。新しいﾌｧｲﾙに置き換えられませんでした。", {path});
}

void ReportSourceMissing(ErrorSink& errors, const std::wstring& folder, DWORD code)
{
    if (code != 0 && code != ERROR_FILE_NOT_FOUND && code != ERROR_PATH_NOT_FOUND) {
        ReportUnreadableFolder(errors, folder, code);
        return;
    }
    Tell(errors,
         "The source folder '%s' is gone, or is no longer the folder the run started with (a drive "
         "unplugged, a folder renamed), so what it lacks is not known. Nothing more was deleted; the "
         "run was stopped.",
         "転送元のﾌｫﾙﾀﾞ '%s' が見つからないか、処理開始時のﾌｫﾙﾀﾞではなくなったため (ﾄﾞﾗｲﾌﾞの取り外し、"
         "ﾌｫﾙﾀﾞ名の変更など)、削除してよいものが分かりません。これ以上は削除せず、処理を中止しました。",
         {folder});
}

void ReportUndefinedText(ErrorSink& errors, const char* path)
{
    Tell(errors,
         "The folder '%s' holds characters that the system's code page does not define. Nothing was changed.",
         "ﾌｫﾙﾀﾞ '%s' にｼｽﾃﾑのｺｰﾄﾞﾍﾟｰｼﾞで定義されていない文字があります。何も変更していません。",
         {Widen(path)});
}
