// The one door through which Windows types and calls enter the code.
// On Windows it is the real SDK; elsewhere it is our own small set of
// declarations with a simulated host behind them. Engine code includes this
// header and never a Linux or Windows header for these names.
#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
// Windows 10: per-monitor DPI (SetThreadDpiAwarenessContext, GetDpiForWindow)
// is declared only from there on.
#ifndef WINVER
#define WINVER 0x0A00
#endif
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0A00
#endif
#include <windows.h>
#include <commctrl.h>
#include <gdiplus.h>
#include <richedit.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <msctf.h>
#include <olectl.h>
#include "platform/SdkAdditions.h"
// The linker names a DLL's entry point on Windows.
#define LUTEM_DLL_ENTRY_POINT(entry)
#else
#include "platform/base/WinTypes.h"
#include "platform/base/WinError.h"
#include "platform/base/WinGuid.h"
#include "platform/kernel32/WinString.h"
#include "platform/kernel32/WinThread.h"
#include "platform/msctf/WinTsf.h"
#include "platform/msctf/TsfGuids.h"
#include "platform/msctf/TsfThreadMgr.h"
#include "platform/msctf/TsfKeystroke.h"
#include "platform/msctf/TsfCompartment.h"
#include "platform/msctf/TsfContext.h"
#include "platform/msctf/TsfComposition.h"
#include "platform/msctf/TsfLangBar.h"
#include "platform/msctf/TsfUIElement.h"
#include "platform/msctf/TsfDisplayAttribute.h"
#include "platform/msctf/TsfSearchCandidates.h"
#include "platform/msctf/InputProcessorProfiles.h"
#include "platform/msctf/InputProcessorProfileMgr.h"
#include "platform/msctf/CategoryMgr.h"
#include "platform/user32/WinUser.h"
#include "platform/user32/WinKeyboard.h"
#include "platform/user32/WinMessages.h"
#include "platform/user32/WinClass.h"
#include "platform/user32/WinCursor.h"
#include "platform/user32/WinWindow.h"
#include "platform/user32/WinRect.h"
#include "platform/user32/WinMouse.h"
#include "platform/user32/WinMetrics.h"
#include "platform/user32/WinEvent.h"
#include "platform/user32/WinMonitor.h"
#include "platform/user32/WinMenu.h"
#include "platform/user32/WinIcon.h"
#include "platform/user32/WinFocus.h"
#include "platform/user32/WinDialog.h"
#include "platform/user32/WinControls.h"
#include "platform/user32/WinMessageBox.h"
#include "platform/user32/WinSysColors.h"
#include "platform/comctl32/CommCtrl.h"
#include "platform/riched20/RichEdit.h"
#include "platform/kernel32/MulDiv.h"
#include "platform/gdi32/StockObjects.h"
#include "platform/user32/WinDisplayDc.h"
#include "platform/gdi32/WinGdi.h"
#include "platform/user32/WinLayered.h"
#include "platform/gdiplus/GdiplusTypes.h"
#include "platform/gdiplus/GdiplusInit.h"
#include "platform/gdiplus/GdiplusFlat.h"
#include "platform/base/WinHandle.h"
#include "platform/kernel32/WinFile.h"
#include "platform/kernel32/WinPipe.h"
#include "platform/kernel32/WinProcess.h"
#include "platform/kernel32/WinConsole.h"
#include "platform/kernel32/WinSync.h"
#include "platform/kernel32/ModuleImage.h"
#include "platform/kernel32/WinModule.h"
#include "platform/kernel32/WinResource.h"
#include "platform/ole32/Com.h"
#include "platform/oleaut32/Automation.h"
#include "platform/advapi32/WinRegistry.h"
#include "platform/advapi32/WinSecurity.h"
#include "platform/shell32/WinShell.h"
#include "platform/shlwapi/Shlwapi.h"
#include "platform/kernel32/WinDebug.h"
#include "platform/kernel32/WinMain.h"
#include "platform/crt/WinCrt.h"
#endif
#include "platform/Utf16Units.h"
