#ifndef OMBREL_SETTINGSWINDOW_H
#define OMBREL_SETTINGSWINDOW_H

#include <windows.h>

// The window half of the persistent settings: the main window implements it
// over its own frame and its operation log; tests implement it with plain
// numbers.
class SettingsWindow {
public:
    // The operation-log columns whose widths are kept.
    enum { SourceColumn = 1, DestinationColumn = 2 };

    virtual ~SettingsWindow() = default;

    // The outer window rectangle in screen pixels (GetWindowRect).
    virtual RECT WindowRect() = 0;
    // MoveWindow with repainting.
    virtual void MoveWindowTo(int left, int top, int width, int height) = 0;
    // Width of an operation-log column (LVM_GETCOLUMNWIDTH).
    virtual int ColumnWidth(int column) = 0;
    // LVM_SETCOLUMNWIDTH; width is already cut to its low 16 bits.
    virtual void SetColumnWidth(int column, int width) = 0;
    // The tick of "Use Recycle Bin" in the File menu.
    virtual bool RecycleBin() = 0;
    virtual void SetRecycleBin(bool on) = 0;
};

#endif
