#ifndef OMBREL_ELISTROWS_H
#define OMBREL_ELISTROWS_H

#include <windows.h>

#include <string>
#include <vector>

class ELogRows;

// Operations of a report list-view control, on its window handle, for the
// list-view wrappers. The rows of a plain list live in the control; those
// of a virtual one (the log) in an ELogRows beside it.

// One column: title, width in pixels, alignment (0 left, 1 right, 2 centre).
struct EListColumn {
    const char* title;
    int width;
    int alignment;
};

// Each cell keeps at most this many UTF-16 units of its text (a surrogate
// pair is never split), so a row's memory is bounded however long the texts
// it is given.
enum { EListCellLimit = MAX_PATH - 1 };

// Rows are kept and drawn as wide text, so that a cell shows every name as
// it is, whatever the code page. Texts given in the ANSI code page are
// converted as the control itself would.
class EWideRow {
public:
    EWideRow(const char* const* texts, int count);
    const wchar_t* const* Texts() const { return pointers.data(); }

private:
    std::vector<std::wstring> texts;
    std::vector<const wchar_t*> pointers;
};

// Inserts count columns; the first is always left-aligned (the control
// cannot align it otherwise).
void EListInsertColumns(HWND list, int count, const EListColumn* columns);

// Inserts a row at index with texts[0] as the item and texts[1..count-1] as
// its sub-items; the row's item data is index.
void EListInsertRow(HWND list, int index, const char* const* texts, int count);
void EListInsertRow(HWND list, int index, const wchar_t* const* texts, int count);

// A cell's text as a plain list keeps it, wide.
std::wstring EListCellText(HWND list, int row, int column);

bool EListHasColumn(HWND list, int index);

// Asks the control each time; 0 without columns.
int EListColumnCount(HWND list);

// Paints one row of an owner-drawn report list as WM_DRAWITEM asks: navy
// with the list's background colour as text when selected, the list's own
// colours otherwise, each cell's text ended with an ellipsis when it does
// not fit, and the focus rectangle last. Texts are read and drawn wide: an
// ANSI draw would take them through the code page of the font's character
// set, not the system's (Shift-JIS names came out as Western mojibake).
void EListDrawRow(HWND list, const DRAWITEMSTRUCT& item);
// The same for a virtual list whose rows are kept in rows.
void EListDrawRow(HWND list, const DRAWITEMSTRUCT& item, const ELogRows& rows);

#endif
