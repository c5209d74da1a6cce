#include "FileConfirmations.h"

#include "BilingualText.h"
#include "ConfirmTexts.h"
#include "EApplication.h"
#include "EConfirmDialog.h"
#include "EFlags.h"
#include "EWindowMap.h"
#include "FileIcons.h"
#include "WidePath.h"
#include "resource.h"

#include <cstdio>

namespace {

// The init handler of one question: which one, and on what.
class Question : public EObject {
public:
    enum Kind { Replace, FileDelete, FolderDelete, FileToBin, FolderToBin, FileFailed };

    Question(Kind kind, const std::wstring& first, const std::wstring& second = std::wstring())
        : kind(kind), first(first), second(second)
    {
    }

    LRESULT OnInit(EEvent& event)
    {
        EDialog& dialog = *reinterpret_cast<EDialog*>(event.parameter);
        switch (kind) {
        case Replace: ReplaceText(dialog, first, second, icons); break;
        case FileDelete: FileDeleteText(dialog, first, false); break;
        case FolderDelete: FolderDeleteText(dialog, first, false); break;
        case FileToBin: FileDeleteText(dialog, first, true); break;
        case FolderToBin: FolderDeleteText(dialog, first, true); break;
        case FileFailed: FileFailedText(dialog, first); break;
        }
        return 0;
    }

    // Destroyed with the question, after the dialog Ask ran is gone.
    FileIcons icons;

private:
    Kind kind;
    std::wstring first;
    std::wstring second;
};

int Ask(HWND owner, const char* templateBase, Question& question)
{
    char name[64];
    std::snprintf(name, sizeof name, "%s%s", templateBase, EJapanese ? "_J" : "_E");
    EHandler init(&question, &Question::OnInit);
    EAttributeList list;
    list.Set(EKey::Template, name).Set(EKey::InitHandler, &init);
    EWindow* parent = owner && EApplication::windowMap ? EApplication::windowMap->Find(owner) : nullptr;
    EConfirmDialog dialog(parent, list);
    // Only a button the user pressed is an answer. Anything else, such as
    // -1 for a dialog that never showed or 0 for one destroyed with its
    // owner, would let the run replace or delete without asking.
    switch (int answer = dialog.Run()) {
    case IDYES:
    case EConfirmDialog::YesToAll:
    case IDNO:
    case IDIGNORE:
    case IDSKIPALL:
        return answer;
    default:
        return IDCANCEL;
    }
}

// The details line and the shell icon of one file of the replace question.
void ShowFile(EDialog& dialog, const std::wstring& path, int textItem, int iconItem, FileIcons& icons)
{
    std::wstring text;
    FileSizeText(text, path);
    ShowWideText(GetDlgItem(dialog.Handle(), textItem), text);
    if (HICON icon = icons.Get(path))
        SendDlgItemMessageA(dialog.Handle(), iconItem, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
}

// Caption, the delete icon and the message of the two delete questions.
void ShowDeleteQuestion(EDialog& dialog, const char* caption, const std::wstring& message)
{
    SetWindowTextA(dialog.Handle(), caption);
    dialog.SetItemIcon(IDC_CONFIRM_ICON, IDI_DELETE);
    ShowWideText(GetDlgItem(dialog.Handle(), IDC_CONFIRM_TEXT), message);
}

}

int ConfirmFileReplace(HWND owner, const std::wstring& newFile, const std::wstring& existingFile)
{
    Question question(Question::Replace, newFile, existingFile);
    return Ask(owner, "EConfirmMultipleFileReplaceDialog", question);
}

int ConfirmFileDelete(HWND owner, const std::wstring& path, bool toBin)
{
    Question question(toBin ? Question::FileToBin : Question::FileDelete, path);
    return Ask(owner, "EConfirmYesAllNoCancelDialog", question);
}

int ConfirmFolderDelete(HWND owner, const std::wstring& path, bool toBin)
{
    Question question(toBin ? Question::FolderToBin : Question::FolderDelete, path);
    return Ask(owner, "EConfirmYesAllNoCancelDialog", question);
}

int ConfirmFileSkip(HWND owner, const std::wstring& error)
{
    Question question(Question::FileFailed, error);
    return Ask(owner, "EConfirmSkipDialog", question);
}

void FileFailedText(EDialog& dialog, const std::wstring& error)
{
    std::wstring text = error + L"\n\n" +
                        Widen(Bilingual("Skip this file and go on with the run?",
                                        "このﾌｧｲﾙをｽｷｯﾌﾟして処理を続けますか?"));
    ShowWideText(GetDlgItem(dialog.Handle(), IDC_CONFIRM_TEXT), text);
}

void ReplaceText(EDialog& dialog, const std::wstring& newFile, const std::wstring& existingFile, FileIcons& icons)
{
    // The template brings its own caption and icon.
    if (!existingFile.empty()) {
        ShowWideText(GetDlgItem(dialog.Handle(), IDC_CONFIRM_TEXT), ReplaceMessage(existingFile));
        ShowFile(dialog, existingFile, IDC_EXISTING_TEXT, IDC_EXISTING_ICON, icons);
    }
    if (!newFile.empty())
        ShowFile(dialog, newFile, IDC_NEW_TEXT, IDC_NEW_ICON, icons);
}

void FileDeleteText(EDialog& dialog, const std::wstring& path, bool toBin)
{
    ShowDeleteQuestion(dialog, Bilingual("Confirm File Delete", "ﾌｧｲﾙの削除の確認"), FileDeleteMessage(path, toBin));
}

void FolderDeleteText(EDialog& dialog, const std::wstring& path, bool toBin)
{
    ShowDeleteQuestion(dialog, Bilingual("Confirm Folder Delete", "ﾌｫﾙﾀﾞの削除の確認"),
                       FolderDeleteMessage(path, toBin));
}

void ShowWideText(HWND control, const std::wstring& text)
{
    SetWindowTextW(control, text.c_str());
    std::wstring shown(text.size() + 2, L'\0');
    int length = GetWindowTextW(control, &shown[0], static_cast<int>(shown.size()));
    shown.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    if (shown != text)
        SetWindowTextA(control, ShownInCodePage(text).c_str());
}
