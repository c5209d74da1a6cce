#include "RunDialogs.h"

#include <windows.h>

#include "BilingualText.h"
#include "EConfirmDialog.h"
#include "EFlags.h"
#include "resource.h"

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

int ShowRunSucceeded(EWindow* owner)
{
    return RunTemplate(owner, EJapanese ? "Success_J" : "Success_E", nullptr);
}
