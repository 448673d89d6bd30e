// Windows only: what the text service uses from the Windows SDK that
// mingw-w64's headers do not declare, written from the public documentation
// of the Text Services Framework. Add a missing declaration here and nowhere
// else; drop it once mingw-w64 declares it.
#pragma once

#include <ctfutb.h>
#include <msctf.h>

// --- Scalars, flags and result codes -----------------------------------------

#define TF_CLIENTID_NULL ((TfClientId)0)
#define TF_INVALID_EDIT_COOKIE ((TfEditCookie)0)
#define TF_INVALID_GUIDATOM ((TfGuidAtom)0)

#define TF_TMAE_NOACTIVATETIP 0x00000001
#define TF_TMAE_SECUREMODE 0x00000002
#define TF_TMAE_UIELEMENTENABLEDONLY 0x00000004
#define TF_TMAE_COMLESS 0x00000008
#define TF_TMAE_WOW16 0x00000010
#define TF_TMAE_NOACTIVATEKEYBOARDLAYOUT 0x00000020
#define TF_TMAE_CONSOLE 0x00000040

#define TF_CONVERSIONMODE_ALPHANUMERIC 0x0000
#define TF_CONVERSIONMODE_NATIVE 0x0001
#define TF_CONVERSIONMODE_KATAKANA 0x0002
#define TF_CONVERSIONMODE_FULLSHAPE 0x0008
#define TF_CONVERSIONMODE_ROMAN 0x0010
#define TF_CONVERSIONMODE_CHARCODE 0x0020
#define TF_CONVERSIONMODE_SOFTKEYBOARD 0x0080
#define TF_CONVERSIONMODE_NOCONVERSION 0x0100
#define TF_CONVERSIONMODE_EUDC 0x0200
#define TF_CONVERSIONMODE_SYMBOL 0x0400
#define TF_CONVERSIONMODE_FIXED 0x0800

#define TF_E_INVALIDPOS TS_E_INVALIDPOS
#define TF_E_NOOBJECT TS_E_NOOBJECT
#define TF_E_NOSERVICE TS_E_NOSERVICE
#define TF_E_NOINTERFACE TS_E_NOINTERFACE
#define TF_E_NOSELECTION TS_E_NOSELECTION
#define TF_E_NOLAYOUT TS_E_NOLAYOUT
#define TF_E_INVALIDPOINT TS_E_INVALIDPOINT
#define TF_E_SYNCHRONOUS TS_E_SYNCHRONOUS
#define TF_E_READONLY TS_E_READONLY
#define TF_E_FORMAT TS_E_FORMAT
#define TF_S_ASYNC TS_S_ASYNC
#define TF_E_LOCKED ((HRESULT)0x80040500L)
#define TF_E_NOTOWNEDRANGE ((HRESULT)0x80040502L)
#define TF_E_NOPROVIDER ((HRESULT)0x80040503L)
#define TF_E_INVALIDVIEW ((HRESULT)0x80040505L)
#define TF_E_RANGE_NOT_COVERED ((HRESULT)0x80040507L)
#define TF_E_COMPOSITION_REJECTED ((HRESULT)0x80040508L)
#define TF_E_EMPTYCONTEXT ((HRESULT)0x80040509L)

// --- Language bar ------------------------------------------------------------

#define TF_LBI_STYLE_HIDDENSTATUSCONTROL 0x00000001
#define TF_LBI_STYLE_SHOWNINTRAY 0x00000002
#define TF_LBI_STYLE_HIDEONNOITEM 0x00000004
#define TF_LBI_STYLE_SHOWNINTRAYONLY 0x00000008
#define TF_LBI_STYLE_HIDDENBYDEFAULT 0x00000010
#define TF_LBI_STYLE_TEXTCOLORICON 0x00000020
#define TF_LBI_STYLE_BTN_BUTTON 0x00010000
#define TF_LBI_STYLE_BTN_MENU 0x00020000
#define TF_LBI_STYLE_BTN_TOGGLE 0x00040000
#define TF_LBI_STATUS_HIDDEN 0x00000001
#define TF_LBI_STATUS_DISABLED 0x00000002
#define TF_LBI_STATUS_BTN_TOGGLED 0x00010000
#define TF_LBI_ICON 0x00000001
#define TF_LBI_TEXT 0x00000002
#define TF_LBI_TOOLTIP 0x00000004
#define TF_LBI_BITMAP 0x00000008
#define TF_LBI_BALLOON 0x00000010
#define TF_LBI_CUSTOMUI 0x00000020
#define TF_LBI_STATUS 0x00010000
#define TF_LBMENUF_CHECKED 0x00000001
#define TF_LBMENUF_SUBMENU 0x00000002
#define TF_LBMENUF_SEPARATOR 0x00000004
#define TF_LBMENUF_RADIOCHECKED 0x00000008
#define TF_LBMENUF_GRAYED 0x00000010

enum TfLBIClick { TF_LBI_CLK_RIGHT = 1, TF_LBI_CLK_LEFT = 2 };

// The menu a language-bar button fills.
struct ITfMenu : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE AddMenuItem(UINT uId, DWORD dwFlags, HBITMAP hbmp,
                                                HBITMAP hbmpMask, const WCHAR* pch, ULONG cch,
                                                ITfMenu** ppMenu) = 0;
};
__CRT_UUID_DECL(ITfMenu, 0x6f8a98e4, 0xaaa0, 0x4f15, 0x8c, 0x5b, 0x07, 0xe0, 0xdf, 0x0a, 0x3d,
                0xd8)

struct ITfLangBarItemButton : public ITfLangBarItem {
  virtual HRESULT STDMETHODCALLTYPE OnClick(TfLBIClick click, POINT pt, const RECT* prcArea) = 0;
  virtual HRESULT STDMETHODCALLTYPE InitMenu(ITfMenu* pMenu) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnMenuSelect(UINT wID) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetIcon(HICON* phIcon) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetText(BSTR* pbstrText) = 0;
};
__CRT_UUID_DECL(ITfLangBarItemButton, 0x28c7f1d0, 0xde25, 0x11d2, 0xaf, 0xdd, 0x00, 0x10, 0x5a,
                0x27, 0x99, 0xb5)

inline constexpr IID IID_ITfMenu = {
    0x6f8a98e4, 0xaaa0, 0x4f15, {0x8c, 0x5b, 0x07, 0xe0, 0xdf, 0x0a, 0x3d, 0xd8}};
inline constexpr IID IID_ITfLangBarItemButton = {
    0x28c7f1d0, 0xde25, 0x11d2, {0xaf, 0xdd, 0x00, 0x10, 0x5a, 0x27, 0x99, 0xb5}};

// --- Text input processor ----------------------------------------------------

// Text input processor with activation flags (Windows Vista and later).
struct ITfTextInputProcessorEx : public ITfTextInputProcessor {
  virtual HRESULT STDMETHODCALLTYPE ActivateEx(ITfThreadMgr* ptim, TfClientId tid,
                                               DWORD dwFlags) = 0;
};
__CRT_UUID_DECL(ITfTextInputProcessorEx, 0x6e4e2102, 0xf9cd, 0x433d, 0xb4, 0x96, 0x30, 0x3c,
                0xe0, 0x3a, 0x65, 0x07)

inline constexpr IID IID_ITfTextInputProcessorEx = {
    0x6e4e2102, 0xf9cd, 0x433d, {0xb4, 0x96, 0x30, 0x3c, 0xe0, 0x3a, 0x65, 0x07}};

// --- Text layout -------------------------------------------------------------

enum TfLayoutCode { TF_LC_CREATE = 0, TF_LC_CHANGE = 1, TF_LC_DESTROY = 2 };

struct ITfTextLayoutSink : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE OnLayoutChange(ITfContext* pic, TfLayoutCode lcode,
                                                   ITfContextView* pView) = 0;
};
__CRT_UUID_DECL(ITfTextLayoutSink, 0x2af2d06a, 0xdd5b, 0x4927, 0xa0, 0xb4, 0x54, 0xf1, 0x9c,
                0x91, 0xfa, 0xde)

inline constexpr IID IID_ITfTextLayoutSink = {
    0x2af2d06a, 0xdd5b, 0x4927, {0xa0, 0xb4, 0x54, 0xf1, 0x9c, 0x91, 0xfa, 0xde}};

// --- Candidate-list UI elements ----------------------------------------------

#define TF_CLUIE_DOCUMENTMGR 0x00000001
#define TF_CLUIE_COUNT 0x00000002
#define TF_CLUIE_SELECTION 0x00000004
#define TF_CLUIE_STRING 0x00000008
#define TF_CLUIE_PAGEINDEX 0x00000010
#define TF_CLUIE_CURRENTPAGE 0x00000020

enum TfIntegratableCandidateListSelectionStyle {
  STYLE_ACTIVE_SELECTION = 0,
  STYLE_IMPLIED_SELECTION = 1,
};

struct ITfCandidateListUIElement : public ITfUIElement {
  virtual HRESULT STDMETHODCALLTYPE GetUpdatedFlags(DWORD* pdwFlags) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDocumentMgr(ITfDocumentMgr** ppdim) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCount(UINT* puCount) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetSelection(UINT* puIndex) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetString(UINT uIndex, BSTR* pstr) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetPageIndex(UINT* pIndex, UINT uSize, UINT* puPageCnt) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetPageIndex(UINT* pIndex, UINT uPageCnt) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCurrentPage(UINT* puPage) = 0;
};
__CRT_UUID_DECL(ITfCandidateListUIElement, 0xea1ea138, 0x19df, 0x11d7, 0xa6, 0xd2, 0x00, 0x06,
                0x5b, 0x84, 0x43, 0x5c)

struct ITfCandidateListUIElementBehavior : public ITfCandidateListUIElement {
  virtual HRESULT STDMETHODCALLTYPE SetSelection(UINT nIndex) = 0;
  virtual HRESULT STDMETHODCALLTYPE Finalize() = 0;
  virtual HRESULT STDMETHODCALLTYPE Abort() = 0;
};
__CRT_UUID_DECL(ITfCandidateListUIElementBehavior, 0x85fad185, 0x58ce, 0x497a, 0x94, 0x60, 0x35,
                0x53, 0x66, 0xb6, 0x4b, 0x9a)

struct ITfIntegratableCandidateListUIElement : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE SetIntegrationStyle(GUID guidIntegrationStyle) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetSelectionStyle(
      TfIntegratableCandidateListSelectionStyle* ptsSelectionStyle) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnKeyDown(WPARAM wParam, LPARAM lParam, BOOL* pfEaten) = 0;
  virtual HRESULT STDMETHODCALLTYPE ShowCandidateNumbers(BOOL* pfShow) = 0;
  virtual HRESULT STDMETHODCALLTYPE FinalizeExactCompositionString() = 0;
};
__CRT_UUID_DECL(ITfIntegratableCandidateListUIElement, 0xc7a6f54f, 0xb180, 0x416f, 0xb2, 0xbf,
                0x7b, 0xf2, 0xe4, 0x68, 0x3d, 0x7b)

inline constexpr IID IID_ITfCandidateListUIElement = {
    0xea1ea138, 0x19df, 0x11d7, {0xa6, 0xd2, 0x00, 0x06, 0x5b, 0x84, 0x43, 0x5c}};
inline constexpr IID IID_ITfCandidateListUIElementBehavior = {
    0x85fad185, 0x58ce, 0x497a, {0x94, 0x60, 0x35, 0x53, 0x66, 0xb6, 0x4b, 0x9a}};
inline constexpr IID IID_ITfIntegratableCandidateListUIElement = {
    0xc7a6f54f, 0xb180, 0x416f, {0xb2, 0xbf, 0x7b, 0xf2, 0xe4, 0x68, 0x3d, 0x7b}};

// --- Display attributes ------------------------------------------------------

struct ITfDisplayAttributeProvider : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE EnumDisplayAttributeInfo(
      IEnumTfDisplayAttributeInfo** ppEnum) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDisplayAttributeInfo(REFGUID guid,
                                                            ITfDisplayAttributeInfo** ppInfo) = 0;
};
__CRT_UUID_DECL(ITfDisplayAttributeProvider, 0xfee47777, 0x163c, 0x4769, 0x99, 0x6a, 0x6e, 0x9c,
                0x50, 0xad, 0x8f, 0x54)

inline constexpr IID IID_ITfDisplayAttributeProvider = {
    0xfee47777, 0x163c, 0x4769, {0x99, 0x6a, 0x6e, 0x9c, 0x50, 0xad, 0x8f, 0x54}};

// --- Functions and search candidates (the SDK's ctffunc.h) -------------------

enum TfCandidateResult { CAND_FINALIZED = 0, CAND_SELECTED = 1, CAND_CANCELED = 2 };

struct ITfFunction : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetDisplayName(BSTR* pbstrName) = 0;
};
__CRT_UUID_DECL(ITfFunction, 0xdb593490, 0x098f, 0x11d3, 0x8d, 0xf0, 0x00, 0x10, 0x5a, 0x27, 0x99,
                0xb5)

struct ITfCandidateString : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetString(BSTR* pbstr) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetIndex(ULONG* pnIndex) = 0;
};
__CRT_UUID_DECL(ITfCandidateString, 0x581f317e, 0xfd9d, 0x443f, 0xb9, 0x72, 0xed, 0x00, 0x46,
                0x7c, 0x5d, 0x40)

struct IEnumTfCandidates : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Clone(IEnumTfCandidates** ppEnum) = 0;
  virtual HRESULT STDMETHODCALLTYPE Next(ULONG ulCount, ITfCandidateString** ppCand,
                                         ULONG* pcFetched) = 0;
  virtual HRESULT STDMETHODCALLTYPE Reset() = 0;
  virtual HRESULT STDMETHODCALLTYPE Skip(ULONG ulCount) = 0;
};
__CRT_UUID_DECL(IEnumTfCandidates, 0xdefb1926, 0x6c80, 0x4ce8, 0x87, 0xd4, 0xd6, 0xb7, 0x2b, 0x81,
                0x2b, 0xde)

struct ITfCandidateList : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE EnumCandidates(IEnumTfCandidates** ppEnum) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCandidate(ULONG nIndex, ITfCandidateString** ppCand) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCandidateNum(ULONG* pnCnt) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetResult(ULONG nIndex, TfCandidateResult imcr) = 0;
};
__CRT_UUID_DECL(ITfCandidateList, 0xa3ad50fb, 0x9bdb, 0x49e3, 0xa8, 0x43, 0x6c, 0x76, 0x52, 0x0f,
                0xbf, 0x5d)

struct ITfFnSearchCandidateProvider : public ITfFunction {
  virtual HRESULT STDMETHODCALLTYPE GetSearchCandidates(BSTR bstrQuery, BSTR bstrApplicationId,
                                                        ITfCandidateList** pplist) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetResult(BSTR bstrQuery, BSTR bstrApplicationID,
                                              BSTR bstrResult) = 0;
};
__CRT_UUID_DECL(ITfFnSearchCandidateProvider, 0x87a2ad8f, 0xf27b, 0x4920, 0x85, 0x01, 0x67, 0x60,
                0x22, 0x80, 0x17, 0x5d)

inline constexpr IID IID_ITfFunction = {
    0xdb593490, 0x098f, 0x11d3, {0x8d, 0xf0, 0x00, 0x10, 0x5a, 0x27, 0x99, 0xb5}};
inline constexpr IID IID_ITfCandidateString = {
    0x581f317e, 0xfd9d, 0x443f, {0xb9, 0x72, 0xed, 0x00, 0x46, 0x7c, 0x5d, 0x40}};
inline constexpr IID IID_IEnumTfCandidates = {
    0xdefb1926, 0x6c80, 0x4ce8, {0x87, 0xd4, 0xd6, 0xb7, 0x2b, 0x81, 0x2b, 0xde}};
inline constexpr IID IID_ITfCandidateList = {
    0xa3ad50fb, 0x9bdb, 0x49e3, {0xa8, 0x43, 0x6c, 0x76, 0x52, 0x0f, 0xbf, 0x5d}};
inline constexpr IID IID_ITfFnSearchCandidateProvider = {
    0x87a2ad8f, 0xf27b, 0x4920, {0x85, 0x01, 0x67, 0x60, 0x22, 0x80, 0x17, 0x5d}};

// --- GUIDs -------------------------------------------------------------------

// Declared by msctf.h but missing from mingw-w64's libuuid.
EXTERN_C const GUID DECLSPEC_SELECTANY GUID_PROP_COMPOSING = {
    0xe12ac060, 0xaf15, 0x11d2, {0xaf, 0xc5, 0x00, 0x10, 0x5a, 0x27, 0x99, 0xb5}};
EXTERN_C const GUID DECLSPEC_SELECTANY GUID_PROP_LANGID = {
    0x3280ce20, 0x8032, 0x11d2, {0xb6, 0x03, 0x00, 0x10, 0x5a, 0x27, 0x99, 0xb5}};

// Categories a text service registers in, and the input-mode items.
inline constexpr GUID GUID_TFCAT_TIPCAP_IMMERSIVESUPPORT = {
    0x13a016df, 0x560b, 0x46cd, {0x94, 0x7a, 0x4c, 0x3a, 0xf1, 0xe0, 0xe3, 0x5d}};
inline constexpr GUID GUID_TFCAT_TIPCAP_SYSTRAYSUPPORT = {
    0x25504fb4, 0x7bab, 0x4bc1, {0x9c, 0x69, 0xcf, 0x81, 0x89, 0x0f, 0x0e, 0xf5}};
inline constexpr GUID GUID_TFCAT_TIPCAP_UIELEMENTENABLED = {
    0x49d2f9cf, 0x1f5e, 0x11d7, {0xa6, 0xd3, 0x00, 0x06, 0x5b, 0x84, 0x43, 0x5c}};
inline constexpr GUID GUID_TFCAT_TIPCAP_SECUREMODE = {
    0x49d2f9ce, 0x1f5e, 0x11d7, {0xa6, 0xd3, 0x00, 0x06, 0x5b, 0x84, 0x43, 0x5c}};
inline constexpr GUID GUID_TFCAT_TIPCAP_COMLESS = {
    0x364215d9, 0x75bc, 0x11d7, {0xa6, 0xef, 0x00, 0x06, 0x5b, 0x84, 0x43, 0x5c}};
inline constexpr GUID GUID_TFCAT_TIPCAP_INPUTMODECOMPARTMENT = {
    0xccf05dd7, 0x4a87, 0x11d7, {0xa6, 0xe2, 0x00, 0x06, 0x5b, 0x84, 0x43, 0x5c}};
inline constexpr GUID GUID_COMPARTMENT_KEYBOARD_INPUTMODE_CONVERSION = {
    0xccf05dd8, 0x4a87, 0x11d7, {0xa6, 0xe2, 0x00, 0x06, 0x5b, 0x84, 0x43, 0x5c}};
inline constexpr GUID GUID_COMPARTMENT_KEYBOARD_INPUTMODE_SENTENCE = {
    0xccf05dd9, 0x4a87, 0x11d7, {0xa6, 0xe2, 0x00, 0x06, 0x5b, 0x84, 0x43, 0x5c}};
inline constexpr GUID GUID_LBI_INPUTMODE = {
    0x2c77a81e, 0x41cc, 0x4178, {0xa3, 0xa7, 0x5f, 0x8a, 0x98, 0x75, 0x68, 0xe6}};
inline constexpr GUID GUID_INTEGRATIONSTYLE_SEARCHBOX = {
    0xe6d1bd11, 0x82f7, 0x4903, {0xae, 0x21, 0x1a, 0x63, 0x97, 0xcd, 0xe2, 0xeb}};
