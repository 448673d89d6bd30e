// The language bar: the item manager a text service adds its button to, the
// item and button interfaces it implements, the sink the bar advises on an
// item, and the menu the bar hands to InitMenu. Slot order, signatures and
// values as in the SDK's ctfutb.idl, as the Text Services Framework
// reference lists them.
#pragma once

#include "platform/msctf/WinTsf.h"

#define TF_LBI_DESC_MAXLEN 32

struct TF_LANGBARITEMINFO {
  CLSID clsidService;
  GUID guidItem;
  DWORD dwStyle;
  ULONG ulSort;
  WCHAR szDescription[TF_LBI_DESC_MAXLEN];
};

// Item styles (TF_LANGBARITEMINFO::dwStyle).
#define TF_LBI_STYLE_HIDDENSTATUSCONTROL 0x00000001
#define TF_LBI_STYLE_SHOWNINTRAY 0x00000002
#define TF_LBI_STYLE_HIDEONNOITEM 0x00000004
#define TF_LBI_STYLE_SHOWNINTRAYONLY 0x00000008
#define TF_LBI_STYLE_HIDDENBYDEFAULT 0x00000010
#define TF_LBI_STYLE_TEXTCOLORICON 0x00000020
#define TF_LBI_STYLE_BTN_BUTTON 0x00010000
#define TF_LBI_STYLE_BTN_MENU 0x00020000
#define TF_LBI_STYLE_BTN_TOGGLE 0x00040000

// Item status (ITfLangBarItem::GetStatus).
#define TF_LBI_STATUS_HIDDEN 0x00000001
#define TF_LBI_STATUS_DISABLED 0x00000002
#define TF_LBI_STATUS_BTN_TOGGLED 0x00010000

// What changed, for ITfLangBarItemSink::OnUpdate.
#define TF_LBI_ICON 0x00000001
#define TF_LBI_TEXT 0x00000002
#define TF_LBI_TOOLTIP 0x00000004
#define TF_LBI_BITMAP 0x00000008
#define TF_LBI_BALLOON 0x00000010
#define TF_LBI_CUSTOMUI 0x00000020
#define TF_LBI_STATUS 0x00010000

// ITfMenu::AddMenuItem flags.
#define TF_LBMENUF_CHECKED 0x00000001
#define TF_LBMENUF_SUBMENU 0x00000002
#define TF_LBMENUF_SEPARATOR 0x00000004
#define TF_LBMENUF_RADIOCHECKED 0x00000008
#define TF_LBMENUF_GRAYED 0x00000010

enum TfLBIClick { TF_LBI_CLK_RIGHT = 1, TF_LBI_CLK_LEFT = 2 };

struct ITfLangBarItemMgr : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE EnumItems(IEnumTfLangBarItems** ppEnum) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetItem(REFGUID rguid, ITfLangBarItem** ppItem) = 0;
  virtual HRESULT STDMETHODCALLTYPE AddItem(ITfLangBarItem* punk) = 0;
  virtual HRESULT STDMETHODCALLTYPE RemoveItem(ITfLangBarItem* punk) = 0;
  virtual HRESULT STDMETHODCALLTYPE AdviseItemSink(ITfLangBarItemSink* punk, DWORD* pdwCookie,
                                                   REFGUID rguidItem) = 0;
  virtual HRESULT STDMETHODCALLTYPE UnadviseItemSink(DWORD dwCookie) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetItemFloatingRect(DWORD dwThreadId, REFGUID rguid,
                                                        RECT* prc) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetItemsStatus(ULONG ulCount, const GUID* prgguid,
                                                   DWORD* pdwStatus) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetItemNum(ULONG* pulCount) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetItems(ULONG ulCount, ITfLangBarItem** ppItem,
                                             TF_LANGBARITEMINFO* pInfo, DWORD* pdwStatus,
                                             ULONG* pcFetched) = 0;
  virtual HRESULT STDMETHODCALLTYPE AdviseItemsSink(ULONG ulCount, ITfLangBarItemSink** ppunk,
                                                    const GUID* pguidItem, DWORD* pdwCookie) = 0;
  virtual HRESULT STDMETHODCALLTYPE UnadviseItemsSink(ULONG ulCount, DWORD* pdwCookie) = 0;
};

struct ITfLangBarItem : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetInfo(TF_LANGBARITEMINFO* pInfo) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetStatus(DWORD* pdwStatus) = 0;
  virtual HRESULT STDMETHODCALLTYPE Show(BOOL fShow) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetTooltipString(BSTR* pbstrToolTip) = 0;
};

struct ITfLangBarItemButton : public ITfLangBarItem {
  virtual HRESULT STDMETHODCALLTYPE OnClick(TfLBIClick click, POINT pt, const RECT* prcArea) = 0;
  virtual HRESULT STDMETHODCALLTYPE InitMenu(ITfMenu* pMenu) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnMenuSelect(UINT wID) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetIcon(HICON* phIcon) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetText(BSTR* pbstrText) = 0;
};

struct ITfLangBarItemSink : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE OnUpdate(DWORD dwFlags) = 0;
};

struct ITfMenu : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE AddMenuItem(UINT uId, DWORD dwFlags, HBITMAP hbmp,
                                                HBITMAP hbmpMask, const WCHAR* pch, ULONG cch,
                                                ITfMenu** ppMenu) = 0;
};

inline constexpr IID IID_ITfLangBarItemMgr = {
    0xba468c55, 0x9956, 0x4fb1, {0xa5, 0x9d, 0x52, 0xa7, 0xdd, 0x7c, 0xc6, 0xaa}};
inline constexpr IID IID_ITfLangBarItem = {
    0x73540d69, 0xedeb, 0x4ee9, {0x96, 0xc9, 0x23, 0xaa, 0x30, 0xb2, 0x59, 0x16}};
inline constexpr IID IID_ITfLangBarItemButton = {
    0x28c7f1d0, 0xde25, 0x11d2, {0xaf, 0xdd, 0x00, 0x10, 0x5a, 0x27, 0x99, 0xb5}};
inline constexpr IID IID_ITfLangBarItemSink = {
    0x57dbe1a0, 0xde25, 0x11d2, {0xaf, 0xdd, 0x00, 0x10, 0x5a, 0x27, 0x99, 0xb5}};
inline constexpr IID IID_ITfMenu = {
    0x6f8a98e4, 0xaaa0, 0x4f15, {0x8c, 0x5b, 0x07, 0xe0, 0xdf, 0x0a, 0x3d, 0xd8}};
