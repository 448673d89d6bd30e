// What OnEndEdit is told about the edit that ended (ITfEditRecord):
// whether the selection moved (its ends or its active end differ from what
// they were when the edit began). GetTextAndPropertyUpdates is E_NOTIMPL.
#pragma once

#include <atomic>

#include "Platform.h"

namespace platform {

class EditRecord final : public ITfEditRecord {
 public:
  explicit EditRecord(bool selectionChanged) : selectionChanged_(selectionChanged) {}

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // ITfEditRecord
  HRESULT STDMETHODCALLTYPE GetSelectionStatus(BOOL* pfChanged) override;
  HRESULT STDMETHODCALLTYPE GetTextAndPropertyUpdates(DWORD dwFlags, const GUID** prgProperties,
                                                      ULONG cProperties,
                                                      IEnumTfRanges** ppEnum) override;

 private:
  ~EditRecord() = default;

  std::atomic<ULONG> refs_{1};
  bool selectionChanged_;
};

}  // namespace platform
