#ifndef OMBREL_FRAMESETTINGS_H
#define OMBREL_FRAMESETTINGS_H

#include <windows.h>

#include "SettingsWindow.h"

// The settings' view of the main window over its raw handles: the frame's
// restored rectangle and the operation log's column widths. The handles are
// borrowed.
class FrameSettings : public SettingsWindow {
public:
    FrameSettings(HWND frame, HWND log) : frame(frame), log(log) {}

    // The restored (normal) rectangle in screen pixels, also while the
    // frame is minimised or maximised: what a next start should show.
    RECT WindowRect() override;
    // A rectangle that lies off every monitor is first moved onto the
    // nearest one.
    void MoveWindowTo(int left, int top, int width, int height) override;
    int ColumnWidth(int column) override;
    void SetColumnWidth(int column, int width) override;
    // The tick on the frame's menu item.
    bool RecycleBin() override;
    void SetRecycleBin(bool on) override;

private:
    HWND frame;
    HWND log;
};

// The rectangle itself when part of it is on a monitor; otherwise moved
// (and cut to size) into the work area of the nearest monitor.
RECT KeepOnScreen(const RECT& rect);

#endif
