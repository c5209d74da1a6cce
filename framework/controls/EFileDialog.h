#ifndef OMBREL_EFILEDIALOG_H
#define OMBREL_EFILEDIALOG_H

#include <windows.h>
#include <commdlg.h>

#include "ECommonDialog.h"

// The system's Open and Save file dialogs over the parent, set up once from
// the list: Filter (pairs of NUL-terminated texts, ended by a second NUL),
// FilterIndex, FileBufferSize, Flags, InitialDir, Title, DefaultExtension,
// Hook and Template. The chosen path stays in the file buffer, so each run
// proposes the last one.
class EFileDialog : public ECommonDialog {
public:
    // The window text is not used. Texts are copied.
    EFileDialog(EWindow* parent, const char* title, EAttributeList& list);
    ~EFileDialog() override;

    // Nonzero when the user chose a file; Cancel and failures keep the last
    // chosen path.
    int Open();
    int Save();
    int Run() override { return Open(); }

    void SetTitle(const char* text);
    // The last chosen path (empty before the first choice).
    const char* FileName() const { return fileBuffer; }
    unsigned FileBufferSize() const { return fileBufferSize; }
    DWORD Flags() const { return flags; }
    const OPENFILENAMEA& Request() const { return request; }

private:
    typedef BOOL(APIENTRY* Chooser)(LPOPENFILENAMEA);
    int Choose(Chooser chooser, DWORD runFlags);

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
