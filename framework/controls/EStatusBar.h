#ifndef OMBREL_ESTATUSBAR_H
#define OMBREL_ESTATUSBAR_H

#include "EControl.h"

#include <string>

// A status bar along the bottom of its parent; it places itself there when
// the parent forwards WM_SIZE to it.
class EStatusBar : public EControl {
public:
    EStatusBar(EWindow* parent, const char* title, EAttributeList& list);

    // rightEdges: the right edge of each part in client pixels; -1 reaches
    // the right end of the bar.
    void SetParts(int count, const int* rightEdges);
    int PartCount() const;
    void SetText(int part, const char* text);
    // Wide: every name shows as it is, whatever the code page.
    void SetText(int part, const std::wstring& text);
    // Copies at most size - 1 bytes of the part's text into buffer.
    void GetText(int part, char* buffer, int size) const;
    std::wstring GetText(int part) const;
};

#endif
