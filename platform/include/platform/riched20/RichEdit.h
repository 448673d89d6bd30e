// The rich edit control of "riched20.dll" (richedit.h's share, after the
// documentation of the Rich Edit 2.0 control, EM_STREAMIN and
// EDITSTREAMCALLBACK). The class "RichEdit20W" exists only while the
// library is loaded: LoadLibraryW("riched20.dll") registers it (a global
// class) and the FreeLibrary that unloads the library unregisters it.
//
// EM_STREAMIN (SF_TEXT or SF_RTF, optionally SFF_SELECTION) calls the
// record's callback for pieces of at most 4096 bytes until it delivers 0
// bytes or returns nonzero; a nonzero return is stored in dwError and ends
// the transfer. The control keeps every byte it was given (the host reads
// them back: host/riched20/RichEdit.h) and its text: the bytes themselves
// for SF_TEXT, and for SF_RTF the document's plain text (paragraphs end in
// a carriage return, \'hh and \uN characters are decoded, groups of fonts,
// colours, styles, pictures and other ignorable destinations are skipped).
// The result is the number of characters read. EM_SETSEL and EM_GETSEL
// keep the selection as the edit control does; WM_GETTEXT and
// WM_GETTEXTLENGTH give the text; WM_GETDLGCODE answers DLGC_WANTCHARS,
// DLGC_WANTARROWS and DLGC_HASSETSEL, as an edit control does.
#pragma once

#include "platform/base/WinDef.h"
#include "platform/base/WinTypes.h"
#include "platform/user32/WinMessages.h"

#define RICHEDIT_CLASSW u"RichEdit20W"

#define EM_STREAMIN (WM_USER + 73)

#define SF_TEXT 0x0001
#define SF_RTF 0x0002
#define SFF_SELECTION 0x8000

typedef DWORD(CALLBACK* EDITSTREAMCALLBACK)(DWORD_PTR cookie, LPBYTE buffer, LONG bytes,
                                            LONG* bytesDone);

// The rich edit records are packed to 4 bytes, as the SDK lays them out.
#pragma pack(push, 4)
struct EDITSTREAM {
  DWORD_PTR dwCookie;
  DWORD dwError;
  EDITSTREAMCALLBACK pfnCallback;
};
#pragma pack(pop)
