#ifndef OMBREL_MESSAGEBOXES_H
#define OMBREL_MESSAGEBOXES_H

#include <windows.h>

#include <string>

// Texts are formatted into this many bytes; longer ones are cut.
enum { EMessageTextSize = 520 };

// Where the boxes go. The program shows them with MessageBoxA; tests install
// a recorder so that no box ever waits for a person.
class EBoxReporter {
public:
    virtual ~EBoxReporter() {}
    // Returns the box's result (IDOK, IDCANCEL, or 0 when none was shown).
    virtual int Report(HWND owner, const char* text, const char* caption, UINT style) = 0;
};

// Installs a reporter (nullptr: the system's message box again) and returns
// the one installed before. The reporter is borrowed.
EBoxReporter* SetBoxReporter(EBoxReporter* reporter);

// printf-style boxes with the caption of the interface language.
int ErrorBox(HWND owner, const char* format, ...);
int WarningBox(HWND owner, const char* format, ...);
int FatalBox(HWND owner, const char* format, ...);
int ConfirmationBox(HWND owner, const char* format, ...);
// Yes, No and Cancel: IDYES, IDNO or IDCANCEL.
int QuestionBox(HWND owner, const char* format, ...);
// An error box of finished text, shown in wide form so that every name in it
// appears as it is; an installed reporter gets it in the code page, with '?'
// for what the code page cannot show.
int ErrorBoxText(HWND owner, const std::wstring& text);
// The same for any box of finished text.
int TextBox(HWND owner, const std::wstring& text, const char* caption, UINT style);

#endif
