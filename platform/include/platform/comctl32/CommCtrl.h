// The common controls library (commctrl.h's share, after the documentation
// of InitCommonControlsEx). The standard classes a dialog program asks for
// with ICC_STANDARD_CLASSES (buttons, statics, combo boxes, edit controls)
// are the stand-in's system classes, always there; the call checks its
// record and reports which classes were asked for
// (host/comctl32/CommonControls.h). FALSE for a null record or a dwSize
// that is not the record's size. Failure switch: "InitCommonControlsEx".
#pragma once

#include "platform/base/WinTypes.h"

#define ICC_LISTVIEW_CLASSES 0x00000001
#define ICC_TREEVIEW_CLASSES 0x00000002
#define ICC_BAR_CLASSES 0x00000004
#define ICC_TAB_CLASSES 0x00000008
#define ICC_UPDOWN_CLASS 0x00000010
#define ICC_PROGRESS_CLASS 0x00000020
#define ICC_WIN95_CLASSES 0x000000FF
#define ICC_STANDARD_CLASSES 0x00004000
#define ICC_LINK_CLASS 0x00008000

struct INITCOMMONCONTROLSEX {
  DWORD dwSize;
  DWORD dwICC;
};
typedef INITCOMMONCONTROLSEX* LPINITCOMMONCONTROLSEX;

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init);
