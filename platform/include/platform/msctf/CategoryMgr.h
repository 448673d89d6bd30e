// ITfCategoryMgr: the categories a text service belongs to and the process's
// GUID atoms (after the TSF documentation of the interface). A category is
// kept where TSF keeps it, below
// HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\CTF\TIP\{clsid}\Category: the keys
// Category\{category}\{item} and Item\{item}\{category}. RegisterGUID gives
// each GUID one atom for the life of the process, the same on every call and
// on every thread, never 0 (TF_INVALID_GUIDATOM) and distinct for distinct
// GUIDs. Not provided (E_NOTIMPL): EnumCategoriesInItem,
// EnumItemsInCategory, FindClosestCategory and the GUID description and
// DWORD calls.
#pragma once

#include "platform/msctf/WinTsf.h"

struct IEnumGUID;

struct ITfCategoryMgr : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE RegisterCategory(REFCLSID rclsid, REFGUID rcatid,
                                                     REFGUID rguid) = 0;
  virtual HRESULT STDMETHODCALLTYPE UnregisterCategory(REFCLSID rclsid, REFGUID rcatid,
                                                       REFGUID rguid) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnumCategoriesInItem(REFGUID rguid, IEnumGUID** ppEnum) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnumItemsInCategory(REFGUID rcatid, IEnumGUID** ppEnum) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindClosestCategory(REFGUID rguid, GUID* pcatid,
                                                        const GUID** ppcatidList,
                                                        ULONG ulCount) = 0;
  virtual HRESULT STDMETHODCALLTYPE RegisterGUIDDescription(REFCLSID rclsid, REFGUID rguid,
                                                            const WCHAR* pchDesc, ULONG cch) = 0;
  virtual HRESULT STDMETHODCALLTYPE UnregisterGUIDDescription(REFCLSID rclsid, REFGUID rguid) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetGUIDDescription(REFGUID rguid, BSTR* pbstrDesc) = 0;
  virtual HRESULT STDMETHODCALLTYPE RegisterGUIDDWORD(REFCLSID rclsid, REFGUID rguid, DWORD dw) = 0;
  virtual HRESULT STDMETHODCALLTYPE UnregisterGUIDDWORD(REFCLSID rclsid, REFGUID rguid) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetGUIDDWORD(REFGUID rguid, DWORD* pdw) = 0;
  virtual HRESULT STDMETHODCALLTYPE RegisterGUID(REFGUID rguid, TfGuidAtom* pguidatom) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetGUID(TfGuidAtom guidatom, GUID* pguid) = 0;
  virtual HRESULT STDMETHODCALLTYPE IsEqualTfGuidAtom(TfGuidAtom guidatom, REFGUID rguid,
                                                      BOOL* pfEqual) = 0;
};

inline constexpr IID IID_ITfCategoryMgr = {
    0xc3acefb5, 0xf69d, 0x4905, {0x93, 0x8f, 0xfc, 0xad, 0xcf, 0x4b, 0xe8, 0x30}};
