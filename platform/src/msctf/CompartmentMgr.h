// The compartments of one owner (a thread manager or a context), as its
// ITfCompartmentMgr hands them out: GetCompartment makes a compartment the
// first time its GUID is asked for and hands out the same one afterwards.
// EnumCompartments is not provided (E_NOTIMPL).
//
// Failure switch: "ITfCompartmentMgr::GetCompartment", qualified by the
// GUID's name.
#pragma once

#include <string>
#include <vector>

#include "Platform.h"
#include "msctf/AggregatedInterface.h"
#include "msctf/ComPtr.h"

namespace platform {

class Compartment;

class CompartmentMgr final : public AggregatedInterface<ITfCompartmentMgr> {
 public:
  // owner: the object whose interface this is; ownerName: its name for the
  // host ("ITfThreadMgr", "ITfContext").
  CompartmentMgr(IUnknown& owner, std::string ownerName);
  ~CompartmentMgr();

  HRESULT STDMETHODCALLTYPE GetCompartment(REFGUID rguid, ITfCompartment** ppcomp) override;
  HRESULT STDMETHODCALLTYPE ClearCompartment(TfClientId tid, REFGUID rguid) override;
  HRESULT STDMETHODCALLTYPE EnumCompartments(IEnumGUID** ppEnum) override;

  // The compartment of guid if it was ever asked for, else null; no
  // reference.
  Compartment* Find(REFGUID guid) const;
  // The compartment of guid, made if needed; no reference.
  Compartment* Get(REFGUID guid);
  // Releases every compartment (when the owner goes).
  void Clear();

 private:
  std::string ownerName_;
  std::vector<ComPtr<Compartment>> compartments_;
};

}  // namespace platform
