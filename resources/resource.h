#ifndef OMBREL_RESOURCE_H
#define OMBREL_RESOURCE_H

// The program's icon; also the main window's small icon.
#define IDI_OMBREL 100
// The folder questions' icon.
#define IDI_FOLDER 101
// The confirm dialogs' own icon, shown until a caller sets another.
#define IDI_CONFIRM 10000
// The file- and folder-delete questions' icon.
#define IDI_DELETE 10011
// The file-replace question's icon.
#define IDI_REPLACE 10022

// Button ids beyond the system's IDOK..IDNO.
#define IDYESTOALL 20
#define IDSKIPALL 21

// Items of the confirm dialogs.
#define IDC_CONFIRM_ICON 1901
#define IDC_EXISTING_ICON 1902
#define IDC_NEW_ICON 1903
#define IDC_CONFIRM_TEXT 2901
#define IDC_EXISTING_TEXT 2904
#define IDC_NEW_TEXT 2905

#endif
