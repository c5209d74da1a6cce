#ifndef OMBREL_MENUIDS_H
#define OMBREL_MENUIDS_H

// Menu bars, chosen by the interface language.
#define IDR_MENU_ENGLISH 1
#define IDR_MENU_JAPANESE 2

// Menu commands of the main window.
#define IDM_OPEN_INI 101
#define IDM_SAVE_INI 102
#define IDM_EXIT 103
#define IDM_PREVIEW_DOWN 104
#define IDM_PREVIEW_UP 105
#define IDM_USE_RECYCLE_BIN 106
#define IDM_ABOUT 901

#endif
