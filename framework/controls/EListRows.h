#ifndef OMBREL_ELISTROWS_H
#define OMBREL_ELISTROWS_H

#include <windows.h>

#include <string>
#include <vector>

// Operations of a report list-view control, on its window handle, for the
// list-view wrappers; rows and columns live in the control, nothing here
// keeps a copy.

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

// Appends a row at the end, selects it and scrolls it into view. A row that
// comes after a quiet spell is painted at once (the rows that changed, not
// the whole list). Painting every row of a fast run would cost more than
// the run's own work, and under Wine even an unpainted insert costs the
// control about a millisecond of layout; so while rows pour in the list's
// drawing stays off, and its selection, scroll position and picture follow
// every EListPaintDelay milliseconds (longer when a picture is slow to
// paint: it takes at most a twentieth of the time), and a timer brings them
// up to date once the rows stop. The rows themselves are always in the list.
void EListAppendRow(HWND list, const char* const* texts, int count);
void EListAppendRow(HWND list, const wchar_t* const* texts, int count);

enum { EListPaintDelay = 100 };

// Appends, selects and scrolls to the row leaving all drawing to the control,
// which draws the scroll bar twice per row; what EListAppendRow does for a
// list that is not on screen. Returns the new row's index.
int EListAppendRowPlain(HWND list, const char* const* texts, int count);
int EListAppendRowPlain(HWND list, const wchar_t* const* texts, int count);

// Whether the picture on screen (rows or scroll bar) still waits to be
// brought up to date.
bool EListPictureBehind(HWND list);

// Repaints the list now, if its picture is behind.
void EListRefreshPicture(HWND list);

// A cell's text as the list keeps it, wide.
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

#endif
