// What OnEndEdit is told about the edit that ended (ITfEditRecord):
// whether the selection moved (its ends or its active end differ from what
// they were when the edit began). GetTextAndPropertyUpdates is E_NOTIMPL.
#pragma once


#include "Platform.h"
#include "msctf/ComObject.h"

namespace platform {

class EditRecord final : public ComObject<ITfEditRecord> {
 public:
  explicit EditRecord(bool selectionChanged) : selectionChanged_(selectionChanged) {}

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  // ITfEditRecord
  HRESULT STDMETHODCALLTYPE GetSelectionStatus(BOOL* pfChanged) override;
  HRESULT STDMETHODCALLTYPE GetTextAndPropertyUpdates(DWORD dwFlags, const GUID** prgProperties,
                                                      ULONG cProperties,
                                                      IEnumTfRanges** ppEnum) override;

 private:
  ~EditRecord() override = default;

  bool selectionChanged_;
};

}  // namespace platform
