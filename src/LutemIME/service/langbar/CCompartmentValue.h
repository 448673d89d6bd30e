#pragma once

#include "Platform.h"

// One compartment of the thread manager (its own, global to the thread),
// read and written as a VT_I4 value under the text service's client id.
// Holds one reference on the thread manager while it lives.
class CCompartmentValue {
 public:
  CCompartmentValue(REFGUID guid, IUnknown* threadMgr, TfClientId clientId);
  ~CCompartmentValue();
  CCompartmentValue(const CCompartmentValue&) = delete;
  CCompartmentValue& operator=(const CCompartmentValue&) = delete;

  // The value, 0 first. A failure to reach the compartment is returned; a
  // value that is not VT_I4 (one never written) gives 0 and S_FALSE.
  HRESULT GetBool(DWORD* value);
  HRESULT GetDword(DWORD* value);
  // Writes value as VT_I4; a compartment that cannot be reached is skipped.
  void SetDword(DWORD value);
  // Clears the compartment (ClearCompartment). The open/close compartment
  // is left alone (S_FALSE): other components read it as the keyboard's state.
  HRESULT Clear();

  REFGUID guid() const { return guid_; }

 private:
  HRESULT GetCompartment(ITfCompartment** compartment);

  GUID guid_;
  IUnknown* threadMgr_;
  TfClientId clientId_;
};
