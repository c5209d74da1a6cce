#ifndef OMBREL_FAKESETTINGSWINDOW_H
#define OMBREL_FAKESETTINGSWINDOW_H

#include <cstdio>
#include <map>
#include <string>

#include "SettingsWindow.h"

// A window as plain numbers: its rectangle, moves and column widths.
class FakeSettingsWindow : public SettingsWindow {
public:
    RECT rect = {100, 50, 588, 530};
    int moves = 0;
    std::map<int, int> widths;
    bool recycleBin = true;

    RECT WindowRect() override { return rect; }
    void MoveWindowTo(int left, int top, int width, int height) override
    {
        ++moves;
        rect = {left, top, left + width, top + height};
    }
    int ColumnWidth(int column) override { return widths[column]; }
    void SetColumnWidth(int column, int width) override { widths[column] = width; }
    bool RecycleBin() override { return recycleBin; }
    void SetRecycleBin(bool on) override { recycleBin = on; }

    // "left top right bottom, source width, destination width", to compare
    // in one check.
    std::string Shown()
    {
        char text[96];
        std::snprintf(text, sizeof text, "%ld %ld %ld %ld, %d, %d", rect.left, rect.top, rect.right, rect.bottom,
                      widths[SourceColumn], widths[DestinationColumn]);
        return text;
    }
};

#endif
