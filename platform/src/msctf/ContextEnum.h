// IEnumTfContexts over the contexts a document manager held when it was
// asked, as the IEnumTfContexts reference describes Next, Skip, Reset and
// Clone.
#pragma once

#include <vector>

#include "Platform.h"
#include "msctf/ComObject.h"
#include "msctf/ComPtr.h"

namespace platform {

class ContextEnum final : public ComObject<IEnumTfContexts> {
 public:
  explicit ContextEnum(std::vector<ComPtr<ITfContext>> contexts, size_t position = 0);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  HRESULT STDMETHODCALLTYPE Clone(IEnumTfContexts** ppEnum) override;
  HRESULT STDMETHODCALLTYPE Next(ULONG ulCount, ITfContext** rgContext,
                                 ULONG* pcFetched) override;
  HRESULT STDMETHODCALLTYPE Reset() override;
  HRESULT STDMETHODCALLTYPE Skip(ULONG ulCount) override;

 private:
  ~ContextEnum() override = default;

  std::vector<ComPtr<ITfContext>> contexts_;
  size_t position_;
};

}  // namespace platform
