#ifndef OMBREL_FILECONFIRMATIONS_H
#define OMBREL_FILECONFIRMATIONS_H

#include <windows.h>

#include <string>

class EDialog;
class FileIcons;

// The questions asked before a file is replaced or deleted and before a
// folder is removed. Each runs modally over owner (a framework window, or
// null) and returns the id of the button that ended it: IDYES, 20 (Yes to
// All), IDNO or IDCANCEL (also Esc and the close box). A question that ends
// without one of these (never shown, or destroyed with its owner) answers
// IDCANCEL, so nothing is done unasked. Paths are full paths as a user
// writes them, with their real names; each question shows the name as it
// is (see ShowWideText). With toBin, the delete questions ask to move what
// goes to the Recycle Bin.
int ConfirmFileReplace(HWND owner, const std::wstring& newFile, const std::wstring& existingFile);
int ConfirmFileDelete(HWND owner, const std::wstring& path, bool toBin = false);
int ConfirmFolderDelete(HWND owner, const std::wstring& path, bool toBin = false);
// A run's file failed: error says which and why. IDIGNORE (Skip), 21 (Skip
// all) or IDCANCEL (Stop the run; also Esc and the close box).
int ConfirmFileSkip(HWND owner, const std::wstring& error);

// What the questions write into their dialogs as they open. Either path of
// the replace question may be empty; the shell icons it shows are kept in
// icons, which must outlive the dialog.
void ReplaceText(EDialog& dialog, const std::wstring& newFile, const std::wstring& existingFile, FileIcons& icons);
void FileDeleteText(EDialog& dialog, const std::wstring& path, bool toBin);
void FolderDeleteText(EDialog& dialog, const std::wstring& path, bool toBin);
void FileFailedText(EDialog& dialog, const std::wstring& error);

// Sets a control's text wide, and keeps it when the control reads back
// exactly that (the controls of the ANSI dialogs do under Wine); a control
// that took it through the code page gets ShownInCodePage's text instead,
// '?' where the code page has no character, never a look-alike.
void ShowWideText(HWND control, const std::wstring& text);

#endif
