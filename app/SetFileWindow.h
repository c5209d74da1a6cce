#ifndef OMBREL_SETFILEWINDOW_H
#define OMBREL_SETFILEWINDOW_H

#include <windows.h>

#include <string>

// What opening and saving set files needs from the main window: its file
// dialog and its frame. Tests implement it with scripted answers.
class SetFileWindow {
public:
    enum Dialog { OpenDialog, SaveDialog };

    virtual ~SetFileWindow() = default;

    // Owner of the boxes.
    virtual HWND Owner() = 0;
    // Runs the "Open INI file" or "Save INI file" dialog (titles from
    // SetFileDialogTitle). 1 with the chosen path, 0 when cancelled.
    virtual int ChooseSetFile(Dialog dialog, std::string& path) = 0;
    // Repaints the window at once once a dialog has closed (UpdateWindow).
    virtual void Repaint() = 0;
};

// The file dialog's texts in the interface language.
const char* SetFileDialogTitle(SetFileWindow::Dialog dialog);
// Description and pattern, each terminated, the whole ended by an empty text.
const char* SetFileDialogFilter();

#endif
