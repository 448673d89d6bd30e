// Device contexts and DIB sections (wingdi.h's share of the SDK that the
// candidate window and the settings program's preview draw with). Written
// from the Windows GDI documentation: "Device Contexts", "Memory Device
// Contexts", "CreateDIBSection", "SelectObject", "DeleteObject".
//
// What the stand-in does:
// - CreateCompatibleDC gives a memory DC that starts with a 1 x 1 monochrome
//   bitmap selected, as Windows documents; CreateDIBSection supports 32-bit
//   BI_RGB only (the only format our code draws into) in either row order
//   (negative height: top-down), and hands out a real, zero-filled pixel
//   buffer that GDI+ draws into.
// - SelectObject returns the object it replaced; a bitmap can be selected
//   into one memory DC at a time, and DeleteObject refuses (FALSE) an object
//   that is selected into a DC, so a bitmap deleted before its DC lets it go
//   stays alive: the leak is visible to tests (host/gdi32/GdiObjects.h).
//   Stock objects are never deleted; deleting one is harmless.
// - DeleteDC frees the DC and deselects what it held; the objects it held
//   stay alive until DeleteObject.
// - Every DC answers 96 for LOGPIXELSX and LOGPIXELSY.
// Failure switches (host/FailureSwitch.h): "CreateCompatibleDC",
// "CreateDIBSection", "SelectObject".
#pragma once

#include "platform/base/WinDef.h"
#include "platform/base/WinError.h"

typedef struct tagBITMAPINFOHEADER {
  DWORD biSize;
  LONG biWidth;
  LONG biHeight;
  WORD biPlanes;
  WORD biBitCount;
  DWORD biCompression;
  DWORD biSizeImage;
  LONG biXPelsPerMeter;
  LONG biYPelsPerMeter;
  DWORD biClrUsed;
  DWORD biClrImportant;
} BITMAPINFOHEADER, *LPBITMAPINFOHEADER, *PBITMAPINFOHEADER;

typedef struct tagRGBQUAD {
  BYTE rgbBlue;
  BYTE rgbGreen;
  BYTE rgbRed;
  BYTE rgbReserved;
} RGBQUAD;

typedef struct tagBITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[1];
} BITMAPINFO, *LPBITMAPINFO, *PBITMAPINFO;

typedef struct tagBITMAP {
  LONG bmType;
  LONG bmWidth;
  LONG bmHeight;
  LONG bmWidthBytes;
  WORD bmPlanes;
  WORD bmBitsPixel;
  LPVOID bmBits;
} BITMAP, *PBITMAP, *LPBITMAP;

// The blend UpdateLayeredWindow applies (user32 takes it; wingdi declares it).
typedef struct _BLENDFUNCTION {
  BYTE BlendOp;
  BYTE BlendFlags;
  BYTE SourceConstantAlpha;
  BYTE AlphaFormat;
} BLENDFUNCTION, *PBLENDFUNCTION;

#define AC_SRC_OVER 0x00
#define AC_SRC_ALPHA 0x01

#define BI_RGB 0L
#define DIB_RGB_COLORS 0
#define DIB_PAL_COLORS 1

#define LOGPIXELSX 88
#define LOGPIXELSY 90

#define OBJ_PEN 1
#define OBJ_BRUSH 2
#define OBJ_DC 3
#define OBJ_FONT 6
#define OBJ_BITMAP 7
#define OBJ_MEMDC 10

#define HGDI_ERROR ((HGDIOBJ)(LONG_PTR)-1)

HDC CreateCompatibleDC(HDC dc);
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
BOOL DeleteObject(HGDIOBJ object);
BOOL DeleteDC(HDC dc);
int GetObjectW(HGDIOBJ object, int size, LPVOID buffer);
DWORD GetObjectType(HGDIOBJ object);
int GetDeviceCaps(HDC dc, int index);
