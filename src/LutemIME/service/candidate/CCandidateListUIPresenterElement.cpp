// What TSF and a UI-less application read and do through the candidate
// list's UI-element interfaces.
#include <algorithm>

#include "service/candidate/CCandidateListUIPresenter.h"
#include "service/candidate/CCandidateWindow.h"
#include "service/settings/ProcessSettings.h"
#include "service/tsf/ComRef.h"
#include "service/tsf/LutemIME.h"

namespace {

// The candidate list element of this input method.
// {7A3C54E1-2B9D-4F08-9C61-5E0D83B4A2F7}
constexpr GUID kCandidateListElementGuid = {
    0x7a3c54e1, 0x2b9d, 0x4f08, {0x9c, 0x61, 0x5e, 0x0d, 0x83, 0xb4, 0xa2, 0xf7}};

}  // namespace

STDMETHODIMP CCandidateListUIPresenter::GetDescription(BSTR* pbstrDescription) {
  if (pbstrDescription == nullptr) return S_OK;
  *pbstrDescription = SysAllocString(TEXT("Cand"));
  return S_OK;
}

STDMETHODIMP CCandidateListUIPresenter::GetGUID(GUID* pguid) {
  if (pguid == nullptr) return E_INVALIDARG;
  *pguid = kCandidateListElementGuid;
  return S_OK;
}

STDMETHODIMP CCandidateListUIPresenter::Show(BOOL bShow) {
  if (bShow) {
    if (window == nullptr) return S_OK;
    if (CandidateWindow == 0) {
      window->Show(FALSE);
      return S_OK;
    }
    RECT extent = {};
    if (ReadTextExtent(&extent)) window->Move(extent.left, extent.bottom);
    window->Show(TRUE);
    return S_OK;
  }
  if (window != nullptr) window->Show(FALSE);
  updatedFlags = TF_CLUIE_SELECTION | TF_CLUIE_CURRENTPAGE;
  if (uiElementId != 0xFFFFFFFF) {
    if (ComRef<ITfUIElementMgr> manager{UIElementMgr()}) manager->UpdateUIElement(uiElementId);
  }
  return S_OK;
}

STDMETHODIMP CCandidateListUIPresenter::IsShown(BOOL* pbShow) {
  if (pbShow == nullptr) return E_INVALIDARG;
  *pbShow = window != nullptr ? window->IsVisible() : FALSE;
  return S_OK;
}

STDMETHODIMP CCandidateListUIPresenter::GetUpdatedFlags(DWORD* pdwFlags) {
  if (pdwFlags == nullptr) return E_INVALIDARG;
  *pdwFlags = updatedFlags;
  return S_OK;
}

STDMETHODIMP CCandidateListUIPresenter::GetDocumentMgr(ITfDocumentMgr** ppdim) {
  if (ppdim != nullptr) *ppdim = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP CCandidateListUIPresenter::GetCount(UINT* puCount) {
  if (puCount == nullptr) return E_INVALIDARG;
  *puCount = window != nullptr ? window->ItemCount() : 0;
  return S_OK;
}

STDMETHODIMP CCandidateListUIPresenter::GetSelection(UINT* puIndex) {
  if (puIndex == nullptr) return E_INVALIDARG;
  *puIndex = window != nullptr ? window->Selection() : 0;
  return S_OK;
}

STDMETHODIMP CCandidateListUIPresenter::GetString(UINT uIndex, BSTR* pbstr) {
  if (pbstr == nullptr) return E_INVALIDARG;
  *pbstr = nullptr;
  // An index past the last item names nothing: a failure, not an empty
  // candidate.
  if (window == nullptr || uIndex >= window->ItemCount()) return E_FAIL;
  const CCandidateListItem* item = window->GetItem(uIndex);
  if (item->length == 0 || item->text == nullptr) return S_OK;
  if (item->length > 0x7FFFFFFF / sizeof(WCHAR)) return E_OUTOFMEMORY;
  *pbstr = SysAllocStringLen(item->text, static_cast<UINT>(item->length));
  return *pbstr != nullptr ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP CCandidateListUIPresenter::GetPageIndex(UINT* pIndex, UINT uSize, UINT* puPageCnt) {
  if (puPageCnt == nullptr) return E_INVALIDARG;
  if (window == nullptr) {
    if (pIndex != nullptr && uSize > 0) pIndex[0] = 0;
    *puPageCnt = 0;
    return S_OK;
  }
  const std::vector<UINT>& starts = window->PageStarts();
  const UINT pages = static_cast<UINT>(starts.size());
  if (pIndex != nullptr) std::copy_n(starts.begin(), std::min(uSize, pages), pIndex);
  *puPageCnt = pages;
  // S_FALSE only when the buffer held fewer starts than there are.
  return uSize < pages ? S_FALSE : S_OK;
}

STDMETHODIMP CCandidateListUIPresenter::SetPageIndex(UINT* pIndex, UINT uPageCnt) {
  if (window == nullptr) return E_FAIL;
  if (pIndex == nullptr && uPageCnt != 0) return E_INVALIDARG;
  // The application's starts must lay pages out: ascending, from item 0.
  for (UINT i = 0; i < uPageCnt; ++i) {
    if ((i == 0 && pIndex[0] != 0) || (i > 0 && pIndex[i] <= pIndex[i - 1])) return E_INVALIDARG;
  }
  const HRESULT hr = window->SetPageIndex(pIndex, uPageCnt);
  if (SUCCEEDED(hr)) window->Render();
  return hr;
}

STDMETHODIMP CCandidateListUIPresenter::GetCurrentPage(UINT* puPage) {
  if (window == nullptr) {
    if (puPage != nullptr) *puPage = 0;
    return S_OK;
  }
  if (puPage == nullptr) return E_INVALIDARG;
  UINT page = 0;
  if (!window->CurrentPage(&page)) {
    *puPage = 0;
    return E_UNEXPECTED;
  }
  *puPage = page;
  return S_OK;
}

STDMETHODIMP CCandidateListUIPresenter::SetSelection(UINT nIndex) {
  if (window == nullptr) return S_OK;
  // Only an item of the list can be selected: the application's index is
  // what a commit would write.
  if (nIndex >= window->ItemCount()) return E_INVALIDARG;
  window->SetSelection(nIndex);
  window->Render();
  return S_OK;
}

STDMETHODIMP CCandidateListUIPresenter::Finalize() {
  OnCandidateChosen(0);
  return S_OK;
}

STDMETHODIMP CCandidateListUIPresenter::Abort() { return E_NOTIMPL; }

STDMETHODIMP CCandidateListUIPresenter::SetIntegrationStyle(GUID guidIntegrationStyle) {
  return IsEqualGUID(guidIntegrationStyle, GUID_INTEGRATIONSTYLE_SEARCHBOX) ? S_OK : E_NOTIMPL;
}

STDMETHODIMP CCandidateListUIPresenter::GetSelectionStyle(
    TfIntegratableCandidateListSelectionStyle* ptsSelectionStyle) {
  if (ptsSelectionStyle == nullptr) return E_INVALIDARG;
  *ptsSelectionStyle = STYLE_ACTIVE_SELECTION;
  return S_OK;
}

STDMETHODIMP CCandidateListUIPresenter::OnKeyDown(WPARAM, LPARAM, BOOL* pfEaten) {
  if (pfEaten == nullptr) return E_INVALIDARG;
  *pfEaten = TRUE;
  return S_OK;
}

STDMETHODIMP CCandidateListUIPresenter::ShowCandidateNumbers(BOOL* pfShow) {
  if (pfShow == nullptr) return E_INVALIDARG;
  *pfShow = TRUE;
  return S_OK;
}

STDMETHODIMP CCandidateListUIPresenter::FinalizeExactCompositionString() { return E_NOTIMPL; }
