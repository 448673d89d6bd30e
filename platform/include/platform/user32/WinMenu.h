// Menus (winuser.h's share, as documented under "Menus"): menus loaded from
// menu templates (the RT_MENU resources of a module, normal and extended),
// their items and check marks, and shortcut menus.
//
// - A template item with no text, no id and no flags is a separator (what a
//   resource compiler writes for MENUITEM SEPARATOR). A template that ends
//   early or nests popups more than 32 deep loads nothing (NULL,
//   ERROR_INVALID_DATA).
// - MF_BYCOMMAND finds the first item with the id, searching each popup as
//   it is met.
// - DestroyMenu destroys the menu and its popups; the host can list the
//   menus never destroyed (host/user32/Menus.h).
// - TrackPopupMenuEx shows nothing: the host says beforehand what the user
//   will do with the next menu (choose a command, choose the item with a
//   given text, or dismiss it; with nothing said, the menu is dismissed),
//   and every menu shown is recorded with its items and check marks as they
//   stood. Unless TPM_NONOTIFY, the owner gets WM_ENTERMENULOOP,
//   WM_INITMENUPOPUP (before the items are taken), WM_EXITMENULOOP and,
//   without TPM_RETURNCMD, a posted WM_COMMAND for the chosen command.
//
// Failure switches: "LoadMenuW" (NULL, ERROR_NOT_ENOUGH_MEMORY),
// "TrackPopupMenuEx" (0, as if dismissed).
#pragma once

#include "platform/base/WinDef.h"
#include "platform/base/WinTypes.h"

#define MF_BYCOMMAND 0x00000000L
#define MF_BYPOSITION 0x00000400L
#define MF_UNCHECKED 0x00000000L
#define MF_ENABLED 0x00000000L
#define MF_STRING 0x00000000L
#define MF_GRAYED 0x00000001L
#define MF_DISABLED 0x00000002L
#define MF_CHECKED 0x00000008L
#define MF_POPUP 0x00000010L
#define MF_MENUBARBREAK 0x00000020L
#define MF_MENUBREAK 0x00000040L
#define MF_END 0x00000080L
#define MF_OWNERDRAW 0x00000100L
#define MF_SEPARATOR 0x00000800L
#define MF_DEFAULT 0x00001000L
#define MF_HELP 0x00004000L

#define MFT_STRING MF_STRING
#define MFT_SEPARATOR MF_SEPARATOR
#define MFS_GRAYED 0x00000003L
#define MFS_DISABLED MFS_GRAYED
#define MFS_CHECKED MF_CHECKED
#define MFS_DEFAULT MF_DEFAULT

#define TPM_LEFTBUTTON 0x0000L
#define TPM_RIGHTBUTTON 0x0002L
#define TPM_LEFTALIGN 0x0000L
#define TPM_CENTERALIGN 0x0004L
#define TPM_RIGHTALIGN 0x0008L
#define TPM_TOPALIGN 0x0000L
#define TPM_VCENTERALIGN 0x0010L
#define TPM_BOTTOMALIGN 0x0020L
#define TPM_NONOTIFY 0x0080L
#define TPM_RETURNCMD 0x0100L

struct TPMPARAMS {
  UINT cbSize;
  RECT rcExclude;
};
typedef TPMPARAMS* LPTPMPARAMS;

// Reads a menu template up to its end, as Windows does (the bytes are
// trusted to be whole).
HMENU LoadMenuIndirectW(const void* menuTemplate);
// The RT_MENU resource of the module (FindResourceW's rules and errors); its
// size is known, so a template that runs past it loads nothing.
HMENU LoadMenuW(HINSTANCE instance, LPCWSTR menuName);
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);
HMENU GetSubMenu(HMENU menu, int position);
int GetMenuItemCount(HMENU menu);
// (UINT)-1 for a popup or a position past the end.
UINT GetMenuItemID(HMENU menu, int position);
// The text's length; copies at most maxCount - 1 units and a NUL.
int GetMenuStringW(HMENU menu, UINT item, LPWSTR text, int maxCount, UINT flags);
// The item's MF_ flags (a popup's item count in the high byte); (UINT)-1
// when there is no such item.
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
// The previous state (MF_CHECKED or MF_UNCHECKED); (DWORD)-1 when there is
// no such item.
DWORD CheckMenuItem(HMENU menu, UINT item, UINT check);
BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, LPTPMPARAMS params);
