#include "RunDialogs.h"

#include <windows.h>

#include "BilingualText.h"
#include "EConfirmDialog.h"
#include "EFlags.h"
#include "FileConfirmations.h"
#include "FileTrees.h"
#include "MessageBoxes.h"
#include "WidePath.h"
#include "resource.h"

#include <cstdio>

namespace {

// Fills a folder dialog when it opens: caption, folder icon and the text
// with the path as typed.
class FolderText : public EObject {
public:
    FolderText(const char* caption, const char* format, const char* path)
        : caption(caption), format(format), path(path)
    {
    }

    LRESULT Fill(EEvent& event)
    {
        EDialog* dialog = reinterpret_cast<EDialog*>(event.parameter);
        // A path is at most 259 bytes and the longest format is far below
        // wsprintfA's own limit of 1024.
        char text[1024];
        wsprintfA(text, format, path);
        SetWindowTextA(dialog->Handle(), caption);
        dialog->SetItemIcon(IDC_CONFIRM_ICON, IDI_FOLDER);
        SetDlgItemTextA(dialog->Handle(), IDC_CONFIRM_TEXT, text);
        return 0;
    }

private:
    const char* caption;
    const char* format;
    const char* path;
};

// 12,345: as the counts of a large tree read best.
std::wstring Grouped(unsigned long long number)
{
    std::wstring digits = std::to_wstring(number);
    for (std::size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, 1, L',');
    return digits;
}

std::wstring SizeText(unsigned long long bytes)
{
    const char* units[] = {"KB", "MB", "GB", "TB"};
    double size = static_cast<double>(bytes);
    int unit = -1;
    while (size >= 1024 && unit < 3) {
        size /= 1024;
        ++unit;
    }
    std::wstring exact = Grouped(bytes) + Widen(Bilingual(" bytes", " ﾊﾞｲﾄ"));
    if (unit < 0)
        return exact;
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %s", size, units[unit]);
    return Widen(text) + L" (" + exact + L")";
}

// Fills the success report's counts when it opens.
class CountsText : public EObject {
public:
    explicit CountsText(const std::wstring& text) : text(text) {}
    LRESULT Fill(EEvent& event)
    {
        EDialog* dialog = reinterpret_cast<EDialog*>(event.parameter);
        ShowWideText(GetDlgItem(dialog->Handle(), IDC_CONFIRM_TEXT), text);
        return 0;
    }

private:
    std::wstring text;
};

int RunTemplate(EWindow* owner, const char* templateName, EHandler* init)
{
    EAttributeList list;
    list.Set(EKey::Template, templateName);
    if (init)
        list.Set(EKey::InitHandler, init);
    EConfirmDialog dialog(owner, list);
    return dialog.Run();
}

int RunFolderDialog(EWindow* owner, const char* templateBase, FolderText& text)
{
    EHandler init(&text, &FolderText::Fill);
    char name[64];
    wsprintfA(name, "%s%s", templateBase, EJapanese ? "_J" : "_E");
    return RunTemplate(owner, name, &init);
}

}

int ShowSourceMissing(EWindow* owner, const char* source)
{
    FolderText text(Bilingual("Confirm source folder", "転送元ﾌｫﾙﾀﾞの確認"),
                    Bilingual("Source folder '%s' is not exist.", "転送元ﾌｫﾙﾀﾞ '%s' が存在しません"), source);
    return RunFolderDialog(owner, "EConfirmOKDialog", text);
}

int AskCreateDestination(EWindow* owner, const char* destination)
{
    FolderText text(Bilingual("Confirm destination folder", "転送先ﾌｫﾙﾀﾞの確認"),
                    Bilingual("Destination folder '%s' is not exist. Are you sure you want to create destination folder",
                              "転送先ﾌｫﾙﾀﾞ '%s' が存在しません。転送先ﾌｫﾙﾀﾞを作成しますか?"),
                    destination);
    return RunFolderDialog(owner, "EConfirmYesNoDialog", text);
}

int ShowRunSucceeded(EWindow* owner, const OperationCounts& counts)
{
    CountsText text(FormatShown(Bilingual("Copied: %s\nReplaced: %s\nDeleted: %s\nSkipped: %s\n"
                                          "Newer in destination, kept: %s",
                                          "ｺﾋﾟｰ: %s\n上書き: %s\n削除: %s\nｽｷｯﾌﾟ: %s\n"
                                          "転送先の方が新しいため残したﾌｧｲﾙ: %s"),
                                {Grouped(counts.copied), Grouped(counts.replaced), Grouped(counts.deleted),
                                 Grouped(counts.skipped), Grouped(counts.newer)}));
    EHandler init(&text, &CountsText::Fill);
    return RunTemplate(owner, EJapanese ? "Success_J" : "Success_E", &init);
}

int AskMassDelete(HWND owner, int deleting, int files, const std::wstring& folder)
{
    std::wstring text =
        EJapanese
            ? FormatShown("この処理は '%s' にある %s 個のﾌｧｲﾙのうち %s 個を削除しようとしています。\n\n"
                          "転送元ﾌｫﾙﾀﾞが空か別のﾌｫﾙﾀﾞである場合 (ﾄﾞﾗｲﾌﾞの取り外し、転送元と転送先の取り違えなど) は、"
                          "[いいえ] を選んでください。何も削除せずに処理を中止します。\n\n削除を続けますか?",
                          {ShownPath(folder), Grouped(files), Grouped(deleting)})
            : FormatShown("This run is about to delete %s of %s files in '%s'.\n\nIf the source folder is "
                          "empty or the wrong one (a drive unplugged, the sides swapped), answer No: the run stops "
                          "and nothing is deleted.\n\nDelete these files?",
                          {Grouped(deleting), Grouped(files), ShownPath(folder)});
    return TextBox(owner, text, Bilingual("Confirm mass deletion", "大量削除の確認"),
                   MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2);
}

int AskPermanentDelete(HWND owner, const std::wstring& path)
{
    std::wstring text = FormatShown(
        Bilingual("The Recycle Bin can't take '%s' (a network drive, a removable disk, a path too long, or a "
                  "bin on another disk).\n\nDelete it for good, and every other file that the bin can't take "
                  "in this run? No keeps them.",
                  "'%s' をごみ箱に移動できません (ﾈｯﾄﾜｰｸ ﾄﾞﾗｲﾌﾞ、ﾘﾑｰﾊﾞﾌﾞﾙ ﾃﾞｨｽｸ、長すぎるﾊﾟｽ、別のﾃﾞｨｽｸにある"
                  "ごみ箱など)。\n\nこのﾌｧｲﾙと、この処理でごみ箱に移動できないほかのﾌｧｲﾙを完全に削除しますか? "
                  "[いいえ] を選ぶと残します。"),
        {ShownPath(path)});
    return TextBox(owner, text, Bilingual("Confirm permanent deletion", "完全な削除の確認"),
                   MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2);
}

int ShowPreviewSummary(HWND owner, const OperationCounts& counts, bool guarded)
{
    std::wstring text = FormatShown(
        Bilingual("Preview: nothing was changed. The run would do this:\n\nFiles to copy: %s\nFiles to replace: "
                  "%s\nData to write: %s\nFiles to delete: %s\nFolders to create: %s\nFolders to remove: %s\n"
                  "Newer in destination, kept: %s",
                  "ﾌﾟﾚﾋﾞｭｰ: 何も変更していません。処理を実行すると次のようになります:\n\nｺﾋﾟｰするﾌｧｲﾙ: %s\n"
                  "上書きするﾌｧｲﾙ: %s\n書き込むﾃﾞｰﾀ: %s\n削除するﾌｧｲﾙ: %s\n作成するﾌｫﾙﾀﾞ: %s\n削除するﾌｫﾙﾀﾞ: %s\n"
                  "転送先の方が新しいため残すﾌｧｲﾙ: %s"),
        {Grouped(counts.copied), Grouped(counts.replaced), SizeText(counts.bytes), Grouped(counts.deleted),
         Grouped(counts.createdFolders), Grouped(counts.removedFolders), Grouped(counts.newer)});
    if (guarded)
        text += Widen(Bilingual("\n\nThe run would delete most of the destination: it will ask first.",
                                "\n\n転送先の大部分を削除するため、実行時には削除の前に確認します。"));
    return TextBox(owner, text, Bilingual("Preview", "ﾌﾟﾚﾋﾞｭｰ"), MB_OK | MB_ICONINFORMATION);
}

std::wstring PreviewLine(const OperationCounts& counts)
{
    return FormatShown(Bilingual("Preview: %s to copy, %s to replace, %s to delete; folders: %s to create, %s to remove",
                                 "ﾌﾟﾚﾋﾞｭｰ: ｺﾋﾟｰ %s、上書き %s、削除 %s、作成するﾌｫﾙﾀﾞ %s、削除するﾌｫﾙﾀﾞ %s"),
                       {Grouped(counts.copied), Grouped(counts.replaced), Grouped(counts.deleted),
                        Grouped(counts.createdFolders), Grouped(counts.removedFolders)});
}
