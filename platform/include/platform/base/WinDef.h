// The handle, message and geometry types that every windowing and drawing
// component shares (windef.h's share of the SDK). Each handle is its own
// pointer type, as with the SDK's STRICT declarations, so that a window
// handle cannot be passed where a device context is wanted.
#pragma once

#include "platform/base/WinHandle.h"
#include "platform/base/WinTypes.h"

#define LUTEM_DECLARE_HANDLE(name) \
  struct name##__ {                \
    int unused;                    \
  };                               \
  typedef struct name##__* name

LUTEM_DECLARE_HANDLE(HWND);
LUTEM_DECLARE_HANDLE(HINSTANCE);
LUTEM_DECLARE_HANDLE(HDC);
LUTEM_DECLARE_HANDLE(HBITMAP);
LUTEM_DECLARE_HANDLE(HBRUSH);
LUTEM_DECLARE_HANDLE(HPEN);
LUTEM_DECLARE_HANDLE(HFONT);
LUTEM_DECLARE_HANDLE(HICON);
LUTEM_DECLARE_HANDLE(HMENU);
LUTEM_DECLARE_HANDLE(HMONITOR);
LUTEM_DECLARE_HANDLE(HRGN);
LUTEM_DECLARE_HANDLE(HRSRC);
LUTEM_DECLARE_HANDLE(HKL);
typedef HINSTANCE HMODULE;
typedef HICON HCURSOR;
typedef void* HGDIOBJ;
typedef void* HGLOBAL;

typedef WORD ATOM;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef DWORD COLORREF;
typedef INT_PTR(WINAPI* FARPROC)();

struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};
typedef RECT* PRECT;
typedef RECT* LPRECT;
typedef const RECT* LPCRECT;

struct POINT {
  LONG x;
  LONG y;
};
typedef POINT* PPOINT;
typedef POINT* LPPOINT;

struct SIZE {
  LONG cx;
  LONG cy;
};
typedef SIZE* PSIZE;
typedef SIZE* LPSIZE;

#define MAKEWORD(a, b) ((WORD)(((BYTE)(((DWORD_PTR)(a)) & 0xff)) | ((WORD)((BYTE)(((DWORD_PTR)(b)) & 0xff))) << 8))
#define MAKELONG(a, b) ((LONG)(((WORD)(((DWORD_PTR)(a)) & 0xffff)) | ((DWORD)((WORD)(((DWORD_PTR)(b)) & 0xffff))) << 16))
#define LOWORD(l) ((WORD)(((DWORD_PTR)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((DWORD_PTR)(l)) >> 16) & 0xffff))
#define LOBYTE(w) ((BYTE)(((DWORD_PTR)(w)) & 0xff))
#define HIBYTE(w) ((BYTE)((((DWORD_PTR)(w)) >> 8) & 0xff))
#define RGB(r, g, b) ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(rgb) (LOBYTE(rgb))
#define GetGValue(rgb) (LOBYTE(((WORD)(rgb)) >> 8))
#define GetBValue(rgb) (LOBYTE((rgb) >> 16))

#define MAKEINTRESOURCEW(i) ((LPWSTR)((ULONG_PTR)((WORD)(i))))
#define MAKEINTATOM(i) ((LPWSTR)((ULONG_PTR)((WORD)(i))))
#define IS_INTRESOURCE(r) ((((ULONG_PTR)(r)) >> 16) == 0)
