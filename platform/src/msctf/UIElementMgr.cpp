#include "msctf/UIElementMgr.h"

#include <algorithm>

#include "common/FailureSwitch.h"

namespace platform {

UIElementMgr::UIElementMgr(IUnknown& owner) : AggregatedInterface(owner) {}

UIElementMgr::~UIElementMgr() = default;

UIElementMgr::Element* UIElementMgr::Find(DWORD id) {
  for (Element& e : elements_) {
    if (e.id == id) return &e;
  }
  return nullptr;
}

HRESULT UIElementMgr::BeginUIElement(ITfUIElement* pElement, BOOL* pbShow,
                                     DWORD* pdwUIElementId) {
  if (pElement == nullptr || pbShow == nullptr || pdwUIElementId == nullptr) return E_INVALIDARG;
  if (ShouldFail("ITfUIElementMgr::BeginUIElement")) return E_FAIL;
  DWORD id = nextId_++;
  elements_.push_back(Element{id, show_, ComPtr<ITfUIElement>(pElement)});
  calls_.push_back(UIElementCall{UIElementCall::kBegin, id, show_, false, {}});
  *pbShow = show_;
  *pdwUIElementId = id;
  return S_OK;
}

HRESULT UIElementMgr::UpdateUIElement(DWORD dwUIElementId) {
  Element* element = Find(dwUIElementId);
  if (element == nullptr) return E_INVALIDARG;
  UIElementCall call{UIElementCall::kUpdate, dwUIElementId, element->show, false, {}};
  if (!element->show) {
    ComPtr<ITfUIElement> keep = element->element;
    call.read = true;
    call.reading = Read(keep.get());
  }
  calls_.push_back(call);
  return S_OK;
}

HRESULT UIElementMgr::EndUIElement(DWORD dwUIElementId) {
  auto found = std::find_if(elements_.begin(), elements_.end(),
                            [&](const Element& e) { return e.id == dwUIElementId; });
  if (found == elements_.end()) return E_INVALIDARG;
  ComPtr<ITfUIElement> ended = found->element;
  calls_.push_back(UIElementCall{UIElementCall::kEnd, dwUIElementId, found->show, false, {}});
  elements_.erase(found);
  return S_OK;
}

HRESULT UIElementMgr::GetUIElement(DWORD dwUIELementId, ITfUIElement** ppElement) {
  if (ppElement == nullptr) return E_INVALIDARG;
  *ppElement = nullptr;
  Element* element = Find(dwUIELementId);
  if (element == nullptr) return E_INVALIDARG;
  HandOut(element->element.get(), ppElement);
  return S_OK;
}

HRESULT UIElementMgr::EnumUIElements(IEnumTfUIElements** ppEnum) {
  if (ppEnum) *ppEnum = nullptr;
  return E_NOTIMPL;
}

CandidateListReading UIElementMgr::Read(ITfUIElement* element) {
  CandidateListReading reading;
  ComPtr<ITfCandidateListUIElement> list;
  if (FAILED(element->QueryInterface(IID_ITfCandidateListUIElement,
                                     reinterpret_cast<void**>(list.Receive()))) ||
      !list) {
    return reading;
  }
  reading.flagsResult = list->GetUpdatedFlags(&reading.flags);
  reading.countResult = list->GetCount(&reading.count);
  reading.selectionResult = list->GetSelection(&reading.selection);
  reading.stringsResult = SUCCEEDED(reading.countResult) ? S_OK : reading.countResult;
  for (UINT i = 0; SUCCEEDED(reading.countResult) && i < reading.count; ++i) {
    BSTR text = nullptr;
    HRESULT hr = list->GetString(i, &text);
    if (hr != S_OK && reading.stringsResult == S_OK) reading.stringsResult = hr;
    reading.strings.push_back(text ? std::u16string(AsChar16(text), SysStringLen(text))
                                   : std::u16string());
    SysFreeString(text);
  }
  // Asked first for the number of pages, then for the starts, as an
  // application sizes its buffer.
  UINT pages = 0;
  reading.pagesResult = list->GetPageIndex(nullptr, 0, &pages);
  if (SUCCEEDED(reading.pagesResult) && pages > 0) {
    reading.pageStarts.assign(pages, 0);
    reading.pagesResult = list->GetPageIndex(reading.pageStarts.data(), pages, &pages);
    reading.pageStarts.resize(std::min<size_t>(pages, reading.pageStarts.size()));
  }
  reading.currentPageResult = list->GetCurrentPage(&reading.currentPage);
  return reading;
}

std::optional<host::LiveCandidateList> UIElementMgr::ReadNewest() {
  if (elements_.empty()) return std::nullopt;
  Element newest = elements_.back();
  host::LiveCandidateList list;
  list.id = newest.id;
  list.show = newest.show;
  if (FAILED(newest.element->IsShown(&list.shown))) list.shown = FALSE;
  list.reading = Read(newest.element.get());
  return list;
}

void UIElementMgr::Clear() {
  std::vector<Element> dropped;
  dropped.swap(elements_);
}

}  // namespace platform
