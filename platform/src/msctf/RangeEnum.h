// The ranges an enumeration found (IEnumTfRanges, as its reference
// describes it): each Next hands out new ranges over the spans found, which
// have followed every edit since; Clone starts a new enumeration over the
// same spans at the same place.
#pragma once

#include <vector>

#include "Platform.h"
#include "msctf/ComObject.h"
#include "msctf/TextSpan.h"

namespace platform {

class RangeEnum final : public ComObject<IEnumTfRanges> {
 public:
  explicit RangeEnum(std::vector<TextSpan> spans, size_t next = 0);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  // IEnumTfRanges
  HRESULT STDMETHODCALLTYPE Clone(IEnumTfRanges** ppEnum) override;
  HRESULT STDMETHODCALLTYPE Next(ULONG ulCount, ITfRange** ppRange, ULONG* pcFetched) override;
  HRESULT STDMETHODCALLTYPE Reset() override;
  HRESULT STDMETHODCALLTYPE Skip(ULONG ulCount) override;

 private:
  ~RangeEnum() override = default;

  std::vector<TextSpan> spans_;
  size_t next_;
};

}  // namespace platform
