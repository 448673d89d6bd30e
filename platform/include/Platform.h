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
#include <windows.h>
#include <shlobj.h>
#include <stdio.h>
#include <stdlib.h>
#include <msctf.h>
#include "platform/SdkAdditions.h"
#else
#include "platform/WinTypes.h"
#include "platform/WinError.h"
#include "platform/WinGuid.h"
#include "platform/WinString.h"
#include "platform/WinThread.h"
#include "platform/WinTsf.h"
#include "platform/WinUser.h"
#include "platform/WinHandle.h"
#include "platform/WinFile.h"
#include "platform/WinPipe.h"
#include "platform/WinSync.h"
#include "platform/WinRegistry.h"
#include "platform/WinShell.h"
#include "platform/WinCrt.h"
#endif
#include "platform/Utf16Units.h"
