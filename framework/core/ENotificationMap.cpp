#include "ENotificationMap.h"

#include <windows.h>
#include <commctrl.h>

#include "EKey.h"

#define ROWS(name) sizeof(name) / sizeof(name[0])

unsigned ETranslateNotification(const ENotificationRow* map, int rows, int code)
{
    for (int i = 0; i < rows; i++)
        if (map[i].code == code)
            return static_cast<unsigned>(map[i].eventKey);
    return EKey::Action;
}

namespace {

// The platform declares many codes unsigned; the rows keep them signed.
constexpr ENotificationRow R(unsigned eventKey, unsigned code)
{
    return ENotificationRow{static_cast<int>(eventKey), static_cast<int>(code)};
}

const ENotificationRow CommonNotifications[] = {
    R(EKey::ErrSpace, NM_OUTOFMEMORY), R(EKey::Click, NM_CLICK),         R(EKey::DoubleClick, NM_DBLCLK),
    R(EKey::Return, NM_RETURN),        R(EKey::RightClick, NM_RCLICK),   R(EKey::RightDblClick, NM_RDBLCLK),
    R(EKey::SetFocus, NM_SETFOCUS),    R(EKey::KillFocus, NM_KILLFOCUS),
};

}

bool ECommonNotification(int code, unsigned* eventKey)
{
    for (const ENotificationRow& row : CommonNotifications) {
        if (row.code == code) {
            *eventKey = static_cast<unsigned>(row.eventKey);
            return true;
        }
    }
    return false;
}

const ENotificationRow EButtonNotifications[] = {R(EKey::Action, BN_CLICKED)};
const int EButtonNotificationCount = ROWS(EButtonNotifications);
const ENotificationRow EBitmapButtonNotifications[] = {R(EKey::DoubleClick, BN_DOUBLECLICKED),
                                                      R(EKey::Action, BN_CLICKED)};
const int EBitmapButtonNotificationCount = ROWS(EBitmapButtonNotifications);
const ENotificationRow EToolBarNotifications[] = {
    R(EKey::GetButtonInfo, TBN_GETBUTTONINFOA), R(EKey::BeginDrag, TBN_BEGINDRAG),
    R(EKey::EndDrag, TBN_ENDDRAG),              R(EKey::BeginAdjust, TBN_BEGINADJUST),
    R(EKey::EndAdjust, TBN_ENDADJUST),          R(EKey::Reset, TBN_RESET),
    R(EKey::QueryInsert, TBN_QUERYINSERT),      R(EKey::QueryDelete, TBN_QUERYDELETE),
    R(EKey::ToolbarChange, TBN_TOOLBARCHANGE),  R(EKey::CustHelp, TBN_CUSTHELP),
};
const int EToolBarNotificationCount = ROWS(EToolBarNotifications);

const ENotificationRow EEditNotifications[] = {
    R(EKey::Change, EN_CHANGE),       R(EKey::ErrSpace, EN_ERRSPACE), R(EKey::HScrolled, EN_HSCROLL),
    R(EKey::KillFocus, EN_KILLFOCUS), R(EKey::MaxText, EN_MAXTEXT),   R(EKey::SetFocus, EN_SETFOCUS),
    R(EKey::Update, EN_UPDATE),       R(EKey::VScrolled, EN_VSCROLL),
};
const int EEditNotificationCount = ROWS(EEditNotifications);

const ENotificationRow EListBoxNotifications[] = {
    R(EKey::DblClk, LBN_DBLCLK),       R(EKey::ErrSpace, LBN_ERRSPACE),   R(EKey::KillFocus, LBN_KILLFOCUS),
    R(EKey::SelCancel, LBN_SELCANCEL), R(EKey::SelChange, LBN_SELCHANGE), R(EKey::SetFocus, LBN_SETFOCUS),
};
const int EListBoxNotificationCount = ROWS(EListBoxNotifications);

const ENotificationRow EComboBoxNotifications[] = {
    R(EKey::CloseUp, CBN_CLOSEUP),           R(EKey::DblClk, CBN_DBLCLK),         R(EKey::DropDown, CBN_DROPDOWN),
    R(EKey::EditChange, CBN_EDITCHANGE),     R(EKey::EditUpdate, CBN_EDITUPDATE), R(EKey::ErrSpace, CBN_ERRSPACE),
    R(EKey::KillFocus, CBN_KILLFOCUS),       R(EKey::SelChange, CBN_SELCHANGE),   R(EKey::SelEndCancel, CBN_SELENDCANCEL),
    R(EKey::SelEndOk, CBN_SELENDOK),         R(EKey::SetFocus, CBN_SETFOCUS),
};
const int EComboBoxNotificationCount = ROWS(EComboBoxNotifications);

// The 8-bit-character variants of the list view, tree view, header and
// date-time picker codes.
const ENotificationRow EListViewNotifications[] = {
    R(EKey::ItemChanging, LVN_ITEMCHANGING),     R(EKey::ItemChanged, LVN_ITEMCHANGED),
    R(EKey::InsertItem, LVN_INSERTITEM),         R(EKey::DeleteItem, LVN_DELETEITEM),
    R(EKey::DeleteAllItems, LVN_DELETEALLITEMS), R(EKey::BeginLabelEdit, LVN_BEGINLABELEDITA),
    R(EKey::EndLabelEdit, LVN_ENDLABELEDITA),    R(EKey::ColumnClick, LVN_COLUMNCLICK),
    R(EKey::BeginDrag, LVN_BEGINDRAG),           R(EKey::BeginRDrag, LVN_BEGINRDRAG),
    R(EKey::GetDispInfo, LVN_GETDISPINFOA),      R(EKey::SetDispInfo, LVN_SETDISPINFOA),
    R(EKey::KeyDown, LVN_KEYDOWN),
};
const int EListViewNotificationCount = ROWS(EListViewNotifications);

const ENotificationRow ETreeViewNotifications[] = {
    R(EKey::SelChanging, TVN_SELCHANGINGA),       R(EKey::SelChanged, TVN_SELCHANGEDA),
    R(EKey::GetDispInfo, TVN_GETDISPINFOA),       R(EKey::SetDispInfo, TVN_SETDISPINFOA),
    R(EKey::ItemExpanding, TVN_ITEMEXPANDINGA),   R(EKey::ItemExpanded, TVN_ITEMEXPANDEDA),
    R(EKey::BeginDrag, TVN_BEGINDRAGA),           R(EKey::BeginRDrag, TVN_BEGINRDRAGA),
    R(EKey::DeleteItem, TVN_DELETEITEMA),         R(EKey::BeginLabelEdit, TVN_BEGINLABELEDITA),
    R(EKey::EndLabelEdit, TVN_ENDLABELEDITA),     R(EKey::KeyDown, TVN_KEYDOWN),
};
const int ETreeViewNotificationCount = ROWS(ETreeViewNotifications);

const ENotificationRow EHeaderNotifications[] = {
    R(EKey::ItemChanging, HDN_ITEMCHANGINGA),       R(EKey::ItemChanged, HDN_ITEMCHANGEDA),
    R(EKey::ItemClick, HDN_ITEMCLICKA),             R(EKey::ItemDblClick, HDN_ITEMDBLCLICKA),
    R(EKey::DividerDblClick, HDN_DIVIDERDBLCLICKA), R(EKey::BeginTrack, HDN_BEGINTRACKA),
    R(EKey::EndTrack, HDN_ENDTRACKA),               R(EKey::Track, HDN_TRACKA),
};
const int EHeaderNotificationCount = ROWS(EHeaderNotifications);

const ENotificationRow ETabControlNotifications[] = {
    R(EKey::KeyDown, TCN_KEYDOWN), R(EKey::SelChange, TCN_SELCHANGE), R(EKey::SelChanging, TCN_SELCHANGING),
};
const int ETabControlNotificationCount = ROWS(ETabControlNotifications);

const ENotificationRow EUpDownNotifications[] = {R(EKey::DeltaPos, UDN_DELTAPOS)};
const int EUpDownNotificationCount = ROWS(EUpDownNotifications);

// The platform's MCN_GETDAYSTATE is -747; this header says otherwise.
const ENotificationRow EMonthCalendarNotifications[] = {
    R(EKey::GetDayState, 0U - 747U), R(EKey::SelChange, MCN_SELCHANGE), R(EKey::Select, MCN_SELECT),
};
const int EMonthCalendarNotificationCount = ROWS(EMonthCalendarNotifications);

const ENotificationRow EDateTimePickerNotifications[] = {
    R(EKey::CloseUp, DTN_CLOSEUP),          R(EKey::DateTimeChange, DTN_DATETIMECHANGE),
    R(EKey::DropDown, DTN_DROPDOWN),        R(EKey::Format, DTN_FORMATA),
    R(EKey::FormatQuery, DTN_FORMATQUERYA), R(EKey::UserString, DTN_USERSTRINGA),
    R(EKey::WmKeyDown, DTN_WMKEYDOWNA),
};
const int EDateTimePickerNotificationCount = ROWS(EDateTimePickerNotifications);

const ENotificationRow ERebarNotifications[] = {R(EKey::CustomDraw, NM_CUSTOMDRAW)};
const int ERebarNotificationCount = ROWS(ERebarNotifications);

const EControlClass EControlFamily[] = {
    {"Button", EButtonNotifications, ROWS(EButtonNotifications)},
    {"Edit", EEditNotifications, ROWS(EEditNotifications)},
    {"ListBox", EListBoxNotifications, ROWS(EListBoxNotifications)},
    {"ComboBox", EComboBoxNotifications, ROWS(EComboBoxNotifications)},
    {"SysListView32", EListViewNotifications, ROWS(EListViewNotifications)},
    {"SysTreeView32", ETreeViewNotifications, ROWS(ETreeViewNotifications)},
    {"SysHeader32", EHeaderNotifications, ROWS(EHeaderNotifications)},
    {"SysTabControl32", ETabControlNotifications, ROWS(ETabControlNotifications)},
    {"msctls_updown32", EUpDownNotifications, ROWS(EUpDownNotifications)},
    {"SysMonthCal32", EMonthCalendarNotifications, ROWS(EMonthCalendarNotifications)},
    {"SysDateTimePick32", EDateTimePickerNotifications, ROWS(EDateTimePickerNotifications)},
    {"ReBarWindow32", ERebarNotifications, ROWS(ERebarNotifications)},
};
const int EControlFamilyCount = ROWS(EControlFamily);

static_assert(MCN_SELECT == 0U - 746U && MCN_SELCHANGE == 0U - 749U,
              "month calendar codes");
static_assert(DTN_DATETIMECHANGE == 0U - 759U && DTN_USERSTRINGA == 0U - 758U && UDN_DELTAPOS == 0U - 722U,
              "date-time and up-down codes");
