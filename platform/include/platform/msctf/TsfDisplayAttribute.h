// Display attributes: how a text service asks the application to draw its
// composed text, and the provider interface through which TSF asks for
// them. Slot order, signatures and values as in the SDK's msctf.idl, as the
// Text Services Framework reference lists them.
#pragma once

#include "platform/msctf/WinTsf.h"

enum TF_DA_COLORTYPE { TF_CT_NONE = 0, TF_CT_SYSCOLOR = 1, TF_CT_COLORREF = 2 };

struct TF_DA_COLOR {
  TF_DA_COLORTYPE type;
  union {
    int nIndex;
    COLORREF cr;
  };
};

enum TF_DA_LINESTYLE {
  TF_LS_NONE = 0,
  TF_LS_SOLID = 1,
  TF_LS_DOT = 2,
  TF_LS_DASH = 3,
  TF_LS_SQUIGGLE = 4,
};

enum TF_DA_ATTR_INFO {
  TF_ATTR_INPUT = 0,
  TF_ATTR_TARGET_CONVERTED = 1,
  TF_ATTR_CONVERTED = 2,
  TF_ATTR_TARGET_NOTCONVERTED = 3,
  TF_ATTR_INPUT_ERROR = 4,
  TF_ATTR_FIXEDCONVERTED = 5,
  TF_ATTR_OTHER = -1,
};

struct TF_DISPLAYATTRIBUTE {
  TF_DA_COLOR crText;
  TF_DA_COLOR crBk;
  TF_DA_LINESTYLE lsStyle;
  BOOL fBoldLine;
  TF_DA_COLOR crLine;
  TF_DA_ATTR_INFO bAttr;
};

struct ITfDisplayAttributeInfo : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetGUID(GUID* pguid) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDescription(BSTR* pbstrDesc) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetAttributeInfo(TF_DISPLAYATTRIBUTE* pda) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetAttributeInfo(const TF_DISPLAYATTRIBUTE* pda) = 0;
  virtual HRESULT STDMETHODCALLTYPE Reset() = 0;
};

struct IEnumTfDisplayAttributeInfo : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Clone(IEnumTfDisplayAttributeInfo** ppEnum) = 0;
  virtual HRESULT STDMETHODCALLTYPE Next(ULONG ulCount, ITfDisplayAttributeInfo** rgInfo,
                                         ULONG* pcFetched) = 0;
  virtual HRESULT STDMETHODCALLTYPE Reset() = 0;
  virtual HRESULT STDMETHODCALLTYPE Skip(ULONG ulCount) = 0;
};

struct ITfDisplayAttributeProvider : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE EnumDisplayAttributeInfo(
      IEnumTfDisplayAttributeInfo** ppEnum) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDisplayAttributeInfo(REFGUID guid,
                                                            ITfDisplayAttributeInfo** ppInfo) = 0;
};

inline constexpr IID IID_ITfDisplayAttributeInfo = {
    0x70528852, 0x2f26, 0x4aea, {0x8c, 0x96, 0x21, 0x51, 0x50, 0x57, 0x89, 0x32}};
inline constexpr IID IID_IEnumTfDisplayAttributeInfo = {
    0x7cef04d7, 0xcb75, 0x4e80, {0xa7, 0xab, 0x5f, 0x5b, 0xc7, 0xd3, 0x32, 0xde}};
inline constexpr IID IID_ITfDisplayAttributeProvider = {
    0xfee47777, 0x163c, 0x4769, {0x99, 0x6a, 0x6e, 0x9c, 0x50, 0xad, 0x8f, 0x54}};
