#ifndef OMBREL_ELISTPICTURE_H
#define OMBREL_ELISTPICTURE_H

#include <windows.h>

// How far a virtual list's picture on screen is from its rows, for a list
// that grows at its end and shows its newest row selected (the operation
// log); each log keeps its own.
//
// A row that comes after a quiet spell is painted at once (the rows that
// changed, not the whole list). Painting every row of a fast run would cost
// more than the run's own work, so while rows pour in the list's drawing
// stays off, and its selection, scroll position and picture follow every
// EListPaintDelay milliseconds (longer when a picture is slow to paint: it
// takes at most a twentieth of the time). A timer brings them up to date in
// three steps, with messages taken between them; an append does at once when
// no message was taken for twice that long. The control's row count always
// follows at once.
class EListPicture {
public:
    EListPicture() = default;
    ~EListPicture();
    EListPicture(const EListPicture&) = delete;
    EListPicture& operator=(const EListPicture&) = delete;

    // The rows kept for list are now count, the newest just appended.
    void Appended(HWND list, int count);
    // Whether the picture on screen (rows or scroll bar) still waits to be
    // brought up to date.
    bool Behind() const { return behind; }
    // Repaints the list now, if its picture is behind.
    void Refresh();

private:
    static void CALLBACK CatchUp(HWND, UINT, UINT_PTR id, DWORD);
    void CatchUpStep();
    void CaughtUp(DWORD cost);
    UINT_PTR Timer() const;
    DWORD CatchUpDelay() const;
    void FallBehind(DWORD now);
    void Thaw();

    HWND list = nullptr;
    bool behind = false;
    bool shown = false;
    // Since when it is behind, and when it was last brought up to date.
    DWORD behindSince = 0;
    DWORD shownAt = 0;
    // Milliseconds the last whole picture took.
    DWORD paintCost = 0;
    // The list's own drawing is off for a burst of rows.
    bool frozen = false;
    // The steps of the timer's picture done so far (the rows, the frame,
    // the header), what they took, and whether rows came since the first.
    int stepsDone = 0;
    DWORD stepsCost = 0;
    bool moreRows = false;
};

enum { EListPaintDelay = 100 };

#endif
