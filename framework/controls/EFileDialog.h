#ifndef OMBREL_EFILEDIALOG_H
#define OMBREL_EFILEDIALOG_H

#include <windows.h>
#include <commdlg.h>

#include <string>

#include "ECommonDialog.h"

// The system's Open and Save file dialogs over the parent, set up once from
// the list: Filter (pairs of NUL-terminated texts, ended by a second NUL),
// FilterIndex, FileBufferSize, Flags, InitialDir, Title, DefaultExtension,
// Hook and Template. The chosen path stays in the file buffer, so each run
// proposes the last one. The dialog itself is the wide one (the hook gets
// its messages): a name the code page cannot show must be seen as such,
// never replaced by a look-alike of it ("\u0141odz.ini" by "Lodz.ini").
class EFileDialog : public ECommonDialog {
public:
    // What Open and Save give for a chosen path that has no exact form in
    // the code page; RefusedName() then shows it as near as it can.
    enum { NotInCodePage = -1 };

    // The window text is not used. Texts are copied.
    EFileDialog(EWindow* parent, const char* title, EAttributeList& list);
    ~EFileDialog() override;

    // 1 when the user chose a file, NotInCodePage, or 0; everything but 1
    // keeps the last chosen path.
    int Open();
    int Save();
    int Run() override { return Open(); }

    void SetTitle(const char* text);
    // The last chosen path (empty before the first choice).
    const char* FileName() const { return fileBuffer; }
    unsigned FileBufferSize() const { return fileBufferSize; }
    DWORD Flags() const { return flags; }
    const OPENFILENAMEA& Request() const { return request; }
    // The last path refused as NotInCodePage, characters outside the code
    // page shown as '?'.
    const char* RefusedName() const { return refused.c_str(); }

private:
    typedef BOOL(APIENTRY* Chooser)(LPOPENFILENAMEW);
    int Choose(Chooser chooser, DWORD runFlags);

    std::string refused;
    OPENFILENAMEA request;
    char* fileBuffer;
    unsigned fileBufferSize;
    char* filter;
    char* initialDir;
    char* title;
    char* defaultExt;
    DWORD flags;
};

// The length of a filter list up to and including its closing pair of NULs.
std::size_t EFilterLength(const char* filter);

#endif
