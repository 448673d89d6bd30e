// The UI-element manager of a thread (ITfUIElementMgr), as its reference
// describes it: a text service announces a UI element (BeginUIElement), and
// the answer tells it whether to draw the element itself (show TRUE) or to
// leave it to the application ("UI-less", show FALSE); the host chooses the
// answer. Ids count from 1 per thread manager. Begin, Update and End are
// logged. For an element begun UI-less, a reader plays the application that
// draws the list: after each UpdateUIElement it reads the element's
// ITfCandidateListUIElement (updated flags, count, selection, every string,
// page starts, current page) into the log.
//
// Failure switch: "ITfUIElementMgr::BeginUIElement".
#pragma once

#include <optional>
#include <vector>

#include "Platform.h"
#include "host/msctf/UIElements.h"
#include "msctf/AggregatedInterface.h"
#include "msctf/ComPtr.h"

namespace platform {

using host::CandidateListReading;
using host::UIElementCall;

class UIElementMgr final : public AggregatedInterface<ITfUIElementMgr> {
 public:
  explicit UIElementMgr(IUnknown& owner);
  ~UIElementMgr();

  HRESULT STDMETHODCALLTYPE BeginUIElement(ITfUIElement* pElement, BOOL* pbShow,
                                           DWORD* pdwUIElementId) override;
  HRESULT STDMETHODCALLTYPE UpdateUIElement(DWORD dwUIElementId) override;
  HRESULT STDMETHODCALLTYPE EndUIElement(DWORD dwUIElementId) override;
  HRESULT STDMETHODCALLTYPE GetUIElement(DWORD dwUIELementId, ITfUIElement** ppElement) override;
  HRESULT STDMETHODCALLTYPE EnumUIElements(IEnumTfUIElements** ppEnum) override;

  // The answer BeginUIElement gives from now on (TRUE at the start).
  void SetShow(BOOL show) { show_ = show; }
  const std::vector<UIElementCall>& calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }
  // The number of elements begun and not ended.
  size_t liveCount() const { return elements_.size(); }
  // The newest live element, read; nothing without one.
  std::optional<host::LiveCandidateList> ReadNewest();
  void Clear();

 private:
  struct Element {
    DWORD id;
    BOOL show;
    ComPtr<ITfUIElement> element;
  };

  Element* Find(DWORD id);
  static CandidateListReading Read(ITfUIElement* element);

  BOOL show_ = TRUE;
  DWORD nextId_ = 1;
  std::vector<Element> elements_;
  std::vector<UIElementCall> calls_;
};

}  // namespace platform
