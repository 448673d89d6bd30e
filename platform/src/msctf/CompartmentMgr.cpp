#include "msctf/CompartmentMgr.h"

#include "common/FailureSwitch.h"
#include "msctf/Compartment.h"
#include "msctf/GuidNames.h"

namespace platform {

CompartmentMgr::CompartmentMgr(IUnknown& owner, std::string ownerName)
    : AggregatedInterface(owner), ownerName_(std::move(ownerName)) {}

CompartmentMgr::~CompartmentMgr() = default;

Compartment* CompartmentMgr::Find(REFGUID guid) const {
  for (const ComPtr<Compartment>& c : compartments_) {
    if (IsEqualGUID(c->guid(), guid)) return c.get();
  }
  return nullptr;
}

Compartment* CompartmentMgr::Get(REFGUID guid) {
  if (Compartment* found = Find(guid)) return found;
  compartments_.push_back(ComPtr<Compartment>::Adopt(new Compartment(guid, ownerName_)));
  return compartments_.back().get();
}

HRESULT CompartmentMgr::GetCompartment(REFGUID rguid, ITfCompartment** ppcomp) {
  if (ppcomp == nullptr) return E_INVALIDARG;
  *ppcomp = nullptr;
  if (ShouldFail("ITfCompartmentMgr::GetCompartment", GuidName(rguid))) return E_FAIL;
  HandOut(static_cast<ITfCompartment*>(Get(rguid)), ppcomp);
  return S_OK;
}

HRESULT CompartmentMgr::ClearCompartment(TfClientId tid, REFGUID rguid) {
  if (Compartment* found = Find(rguid)) found->Clear();
  return S_OK;
}

HRESULT CompartmentMgr::EnumCompartments(IEnumGUID** ppEnum) {
  if (ppEnum) *ppEnum = nullptr;
  return E_NOTIMPL;
}

void CompartmentMgr::Clear() {
  std::vector<ComPtr<Compartment>> dropped;
  dropped.swap(compartments_);
}

}  // namespace platform
