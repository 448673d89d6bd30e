// Automation strings and variants as COM hands them across interfaces. A
// BSTR points at its first unit; its byte length is stored just before it,
// so it may hold NULs and knows its length without a terminator (one is
// still written after the last unit).
#pragma once

#include "platform/base/WinTypes.h"
#include "platform/ole32/Com.h"

typedef WCHAR OLECHAR;
typedef OLECHAR* BSTR;
typedef const OLECHAR* LPCOLESTR;
typedef unsigned short VARTYPE;

BSTR SysAllocString(const OLECHAR* psz);
BSTR SysAllocStringLen(const OLECHAR* strIn, UINT ui);
UINT SysStringLen(BSTR pbstr);
UINT SysStringByteLen(BSTR bstr);
void SysFreeString(BSTR bstrString);

enum VARENUM {
  VT_EMPTY = 0,
  VT_NULL = 1,
  VT_I2 = 2,
  VT_I4 = 3,
  VT_BSTR = 8,
  VT_UNKNOWN = 13,
  VT_UI4 = 19,
};

struct VARIANT {
  VARTYPE vt;
  WORD wReserved1;
  WORD wReserved2;
  WORD wReserved3;
  union {
    LONGLONG llVal;
    LONG lVal;
    BYTE bVal;
    SHORT iVal;
    ULONG ulVal;
    BSTR bstrVal;
    IUnknown* punkVal;
    void* byref;
  };
};
typedef VARIANT* LPVARIANT;
typedef VARIANT VARIANTARG;

void VariantInit(VARIANT* pvarg);
HRESULT VariantClear(VARIANT* pvarg);
HRESULT VariantCopy(VARIANT* pvargDest, const VARIANT* pvargSrc);
