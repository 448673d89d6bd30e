// UI elements: the manager a text service reports its candidate list to, so
// that an application may draw the list itself ("UI-less"), and the
// candidate-list element interfaces the text service implements. Slot
// order, signatures and values as in the SDK's msctf.idl, as the Text
// Services Framework reference lists them.
#pragma once

#include "platform/msctf/WinTsf.h"

// ITfCandidateListUIElement::GetUpdatedFlags bits.
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

struct ITfUIElementMgr : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE BeginUIElement(ITfUIElement* pElement, BOOL* pbShow,
                                                   DWORD* pdwUIElementId) = 0;
  virtual HRESULT STDMETHODCALLTYPE UpdateUIElement(DWORD dwUIElementId) = 0;
  virtual HRESULT STDMETHODCALLTYPE EndUIElement(DWORD dwUIElementId) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetUIElement(DWORD dwUIELementId,
                                                 ITfUIElement** ppElement) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnumUIElements(IEnumTfUIElements** ppEnum) = 0;
};

struct ITfUIElement : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetDescription(BSTR* pbstrDescription) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetGUID(GUID* pguid) = 0;
  virtual HRESULT STDMETHODCALLTYPE Show(BOOL bShow) = 0;
  virtual HRESULT STDMETHODCALLTYPE IsShown(BOOL* pbShow) = 0;
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

struct ITfCandidateListUIElementBehavior : public ITfCandidateListUIElement {
  virtual HRESULT STDMETHODCALLTYPE SetSelection(UINT nIndex) = 0;
  virtual HRESULT STDMETHODCALLTYPE Finalize() = 0;
  virtual HRESULT STDMETHODCALLTYPE Abort() = 0;
};

struct ITfIntegratableCandidateListUIElement : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE SetIntegrationStyle(GUID guidIntegrationStyle) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetSelectionStyle(
      TfIntegratableCandidateListSelectionStyle* ptsSelectionStyle) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnKeyDown(WPARAM wParam, LPARAM lParam, BOOL* pfEaten) = 0;
  virtual HRESULT STDMETHODCALLTYPE ShowCandidateNumbers(BOOL* pfShow) = 0;
  virtual HRESULT STDMETHODCALLTYPE FinalizeExactCompositionString() = 0;
};

inline constexpr IID IID_ITfUIElementMgr = {
    0xea1ea135, 0x19df, 0x11d7, {0xa6, 0xd2, 0x00, 0x06, 0x5b, 0x84, 0x43, 0x5c}};
inline constexpr IID IID_ITfUIElement = {
    0xea1ea137, 0x19df, 0x11d7, {0xa6, 0xd2, 0x00, 0x06, 0x5b, 0x84, 0x43, 0x5c}};
inline constexpr IID IID_ITfCandidateListUIElement = {
    0xea1ea138, 0x19df, 0x11d7, {0xa6, 0xd2, 0x00, 0x06, 0x5b, 0x84, 0x43, 0x5c}};
inline constexpr IID IID_ITfCandidateListUIElementBehavior = {
    0x85fad185, 0x58ce, 0x497a, {0x94, 0x60, 0x35, 0x53, 0x66, 0xb6, 0x4b, 0x9a}};
inline constexpr IID IID_ITfIntegratableCandidateListUIElement = {
    0xc7a6f54f, 0xb180, 0x416f, {0xb2, 0xbf, 0x7b, 0xf2, 0xe4, 0x68, 0x3d, 0x7b}};
