#ifndef OMBREL_ENOTIFICATIONMAP_H
#define OMBREL_ENOTIFICATIONMAP_H

// A control's notification codes turned into event keys. Codes are signed:
// the common controls' codes are negative.
struct ENotificationRow {
    int eventKey;
    int code;
};

// The event key of the first row with the code; Action when none matches.
unsigned ETranslateNotification(const ENotificationRow* map, int rows, int code);

// The codes every common control sends with WM_NOTIFY (NM_CLICK, ...).
// True, with the key, when the code is one of them.
bool ECommonNotification(int code, unsigned* eventKey);

// Notification maps of the control family.
extern const ENotificationRow EButtonNotifications[];
extern const int EButtonNotificationCount;
extern const ENotificationRow EBitmapButtonNotifications[];
extern const int EBitmapButtonNotificationCount;
extern const ENotificationRow EToolBarNotifications[];
extern const int EToolBarNotificationCount;
extern const ENotificationRow EEditNotifications[];
extern const int EEditNotificationCount;
extern const ENotificationRow EListBoxNotifications[];
extern const int EListBoxNotificationCount;
extern const ENotificationRow EComboBoxNotifications[];
extern const int EComboBoxNotificationCount;
extern const ENotificationRow EListViewNotifications[];
extern const int EListViewNotificationCount;
extern const ENotificationRow ETreeViewNotifications[];
extern const int ETreeViewNotificationCount;
extern const ENotificationRow EHeaderNotifications[];
extern const int EHeaderNotificationCount;
extern const ENotificationRow ETabControlNotifications[];
extern const int ETabControlNotificationCount;
extern const ENotificationRow EUpDownNotifications[];
extern const int EUpDownNotificationCount;
extern const ENotificationRow EMonthCalendarNotifications[];
extern const int EMonthCalendarNotificationCount;
extern const ENotificationRow EDateTimePickerNotifications[];
extern const int EDateTimePickerNotificationCount;
extern const ENotificationRow ERebarNotifications[];
extern const int ERebarNotificationCount;

// One member of the family: its window class name and its map, in the order
// in which class names are compared.
struct EControlClass {
    const char* className;
    const ENotificationRow* map;
    int rows;
};
extern const EControlClass EControlFamily[];
extern const int EControlFamilyCount;

#endif
