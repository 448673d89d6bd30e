// The standard controls that dialogs are made of (winuser.h's share, after
// the documentation of the Button, Static, ComboBox and Edit classes and of
// WM_DRAWITEM). They are the system's global classes "Button", "Static",
// "ComboBox" and "Edit", there from the start.
//
// What the stand-in does, as Windows does:
// - Buttons: a click (button down, then up inside) on an enabled push
//   button or check box sends WM_COMMAND BN_CLICKED to the parent; an auto
//   check box (BS_AUTOCHECKBOX) toggles its check first. BM_SETCHECK and
//   BM_GETCHECK keep the check state (BST_UNCHECKED, BST_CHECKED,
//   BST_INDETERMINATE); BM_CLICK clicks. A group box takes no clicks
//   (WM_NCHITTEST gives HTTRANSPARENT).
// - Statics: an owner-drawn static (SS_OWNERDRAW) asks its parent to draw
//   it with WM_DRAWITEM (ODT_STATIC, ODA_DRAWENTIRE, rcItem its client
//   rectangle) whenever it paints, on a DC whose bitmap keeps its pixels
//   between paints and starts in the dialog face colour (COLOR_BTNFACE);
//   the host reads them back (host/user32/Dialogs.h). An icon static
//   (SS_ICON) loads the icon its text names from the dialog's module (of
//   the default icon size) and takes the icon's size; STM_GETICON gives it.
// - Combo boxes: CB_ADDSTRING appends (inserts in order with CBS_SORT) and
//   returns the index, CB_SETCURSEL selects (-1 or an index outside the
//   list clears the selection and gives CB_ERR), CB_GETCURSEL gives the
//   selection or CB_ERR, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT and
//   CB_RESETCONTENT as documented. A user's choice from the list sends
//   CBN_DROPDOWN, CBN_SELCHANGE (only when the selection changes),
//   CBN_CLOSEUP and CBN_SELENDOK.
// - Edit messages EM_SETSEL and EM_GETSEL keep a selection (a start of -1
//   removes it); the rich edit control answers them too.
#pragma once

#include "platform/base/WinDef.h"
#include "platform/base/WinTypes.h"

// Button styles, messages, states and notifications.
#define BS_PUSHBUTTON 0x00000000L
#define BS_DEFPUSHBUTTON 0x00000001L
#define BS_CHECKBOX 0x00000002L
#define BS_AUTOCHECKBOX 0x00000003L
#define BS_RADIOBUTTON 0x00000004L
#define BS_3STATE 0x00000005L
#define BS_AUTO3STATE 0x00000006L
#define BS_GROUPBOX 0x00000007L
#define BS_AUTORADIOBUTTON 0x00000009L
#define BS_TYPEMASK 0x0000000FL

#define BM_GETCHECK 0x00F0
#define BM_SETCHECK 0x00F1
#define BM_GETSTATE 0x00F2
#define BM_SETSTATE 0x00F3
#define BM_CLICK 0x00F5

#define BST_UNCHECKED 0x0000
#define BST_CHECKED 0x0001
#define BST_INDETERMINATE 0x0002

#define BN_CLICKED 0

// Static styles and messages.
#define SS_LEFT 0x00000000L
#define SS_CENTER 0x00000001L
#define SS_RIGHT 0x00000002L
#define SS_ICON 0x00000003L
#define SS_OWNERDRAW 0x0000000DL
#define SS_TYPEMASK 0x0000001FL
#define SS_NOTIFY 0x00000100L

#define STM_SETICON 0x0170
#define STM_GETICON 0x0171

// Combo box styles, messages, results and notifications.
#define CBS_SIMPLE 0x0001L
#define CBS_DROPDOWN 0x0002L
#define CBS_DROPDOWNLIST 0x0003L
#define CBS_SORT 0x0100L
#define CBS_HASSTRINGS 0x0200L

#define CB_GETLBTEXT 0x0148
#define CB_GETLBTEXTLEN 0x0149
#define CB_ADDSTRING 0x0143
#define CB_GETCOUNT 0x0146
#define CB_GETCURSEL 0x0147
#define CB_RESETCONTENT 0x014B
#define CB_SETCURSEL 0x014E

#define CB_OKAY 0
#define CB_ERR (-1)
#define CB_ERRSPACE (-2)

#define CBN_SELCHANGE 1
#define CBN_DBLCLK 2
#define CBN_SETFOCUS 3
#define CBN_KILLFOCUS 4
#define CBN_EDITCHANGE 5
#define CBN_EDITUPDATE 6
#define CBN_DROPDOWN 7
#define CBN_CLOSEUP 8
#define CBN_SELENDOK 9
#define CBN_SELENDCANCEL 10

// Edit styles and messages.
#define ES_LEFT 0x0000L
#define ES_MULTILINE 0x0004L
#define ES_AUTOVSCROLL 0x0040L
#define ES_AUTOHSCROLL 0x0080L
#define ES_READONLY 0x0800L
#define ES_WANTRETURN 0x1000L

#define EM_GETSEL 0x00B0
#define EM_SETSEL 0x00B1

// Owner drawing.
#define ODT_MENU 1
#define ODT_LISTBOX 2
#define ODT_COMBOBOX 3
#define ODT_BUTTON 4
#define ODT_STATIC 5

#define ODA_DRAWENTIRE 0x0001
#define ODA_SELECT 0x0002
#define ODA_FOCUS 0x0004

#define ODS_SELECTED 0x0001
#define ODS_GRAYED 0x0002
#define ODS_DISABLED 0x0004
#define ODS_CHECKED 0x0008
#define ODS_FOCUS 0x0010

struct DRAWITEMSTRUCT {
  UINT CtlType;
  UINT CtlID;
  UINT itemID;
  UINT itemAction;
  UINT itemState;
  HWND hwndItem;
  HDC hDC;
  RECT rcItem;
  ULONG_PTR itemData;
};
typedef DRAWITEMSTRUCT* PDRAWITEMSTRUCT;
typedef DRAWITEMSTRUCT* LPDRAWITEMSTRUCT;
