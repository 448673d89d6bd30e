// Shell folders and starting programs.
#pragma once

#include "platform/base/WinDef.h"
#include "platform/base/WinError.h"
#include "platform/base/WinHandle.h"

#define MAX_PATH 260

#define CSIDL_PROGRAM_FILES 0x0026
#define CSIDL_PROGRAM_FILESX86 0x002a
#define CSIDL_FLAG_CREATE 0x8000
#define SHGFP_TYPE_CURRENT 0
#define SHGFP_TYPE_DEFAULT 1

#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOW 5

#define SE_ERR_FNF 2
#define SE_ERR_PNF 3
#define SE_ERR_ACCESSDENIED 5
#define SE_ERR_OOM 8

HRESULT SHGetFolderPathW(HWND owner, int folder, HANDLE token, DWORD flags, LPWSTR path);
// "open" (or no verb) of a program file starts it as a process of its own
// with the parameters split as its C runtime would; of a URL (a scheme of
// two or more letters and a colon, such as "https:") hands it to the
// machine's handler for the scheme, which here is none: nothing starts.
// Every call is recorded (host/shell32/ShellExecutions.h). A result above
// 32 is success; SE_ERR_FNF for a program file that is not there,
// SE_ERR_ACCESSDENIED for one that cannot run. Failure switch:
// "ShellExecuteW" (SE_ERR_OOM).
HINSTANCE ShellExecuteW(HWND owner, LPCWSTR operation, LPCWSTR file, LPCWSTR parameters,
                        LPCWSTR directory, INT showCommand);
