#ifndef OMBREL_FILECONFIRMATIONS_H
#define OMBREL_FILECONFIRMATIONS_H

#include <windows.h>

class EDialog;
class FileIcons;

// The questions asked before a file is replaced or deleted and before a
// folder is removed. Each runs modally over owner (a framework window, or
// null) and returns the id of the button that ended it: IDYES, 20 (Yes to
// All), IDNO or IDCANCEL (also Esc and the close box). A question that ends
// without one of these (never shown, or destroyed with its owner) answers
// IDCANCEL, so nothing is done unasked.
int ConfirmFileReplace(HWND owner, const char* newFile, const char* existingFile);
int ConfirmFileDelete(HWND owner, const char* path);
int ConfirmFolderDelete(HWND owner, const char* path);

// What the questions write into their dialogs as they open. Either path of
// the replace question may be null; the shell icons it shows are kept in
// icons, which must outlive the dialog.
void ReplaceText(EDialog& dialog, const char* newFile, const char* existingFile, FileIcons& icons);
void FileDeleteText(EDialog& dialog, const char* path);
void FolderDeleteText(EDialog& dialog, const char* path);

#endif
