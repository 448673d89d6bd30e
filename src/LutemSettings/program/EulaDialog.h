#pragma once

#include "Platform.h"

// The licence dialog (resource 130): "EULA.rtf" from the program's folder
// in a rich edit control, laid out again whenever the dialog is resized.
INT_PTR CALLBACK EulaDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Gives the rich edit control the licence file's bytes: cookie is the open
// file; the bytes read are reported (0 at its end) and 0 returned.
DWORD CALLBACK EulaStreamCallback(DWORD_PTR cookie, LPBYTE buffer, LONG bytes, LONG* bytesDone);
