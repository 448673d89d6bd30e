// One compartment: a value kept under a GUID by a thread manager or a
// context (ITfCompartment), with change notification to the
// ITfCompartmentEventSinks advised on it (its ITfSource), as the Text
// Services Framework's "Compartments" documentation describes.
//
// SetValue calls every advised OnChange, in advise order, before it returns;
// a sink may write the same or another compartment from inside OnChange (the
// nested write notifies in turn). Writing the value a compartment already
// holds notifies nobody unless the host asks for it
// (host::SetCompartmentNotifiesUnchangedWrites): the documentation leaves it
// open, and tests can run a sync between two compartments both ways.
// Values are VT_I4 or VT_UNKNOWN (the stand-in keeps no VT_BSTR values);
// other types are refused with E_INVALIDARG. A compartment never written
// reads as VT_EMPTY with S_FALSE.
//
// Failure switches: "ITfCompartment::SetValue" and "ITfCompartment::GetValue",
// qualified by the compartment's GUID name.
#pragma once

#include <string>

#include "Platform.h"
#include "msctf/ComObject.h"
#include "msctf/ComPtr.h"
#include "msctf/SinkList.h"

namespace platform {

class Compartment final : public ComObject<ITfCompartment, ITfSource> {
 public:
  // owner: what the host calls the compartment's owner ("ITfThreadMgr").
  Compartment(REFGUID guid, const std::string& owner);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  // ITfCompartment
  HRESULT STDMETHODCALLTYPE SetValue(TfClientId tid, const VARIANT* pvarValue) override;
  HRESULT STDMETHODCALLTYPE GetValue(VARIANT* pvarValue) override;
  // ITfSource
  HRESULT STDMETHODCALLTYPE AdviseSink(REFIID riid, IUnknown* punk, DWORD* pdwCookie) override;
  HRESULT STDMETHODCALLTYPE UnadviseSink(DWORD dwCookie) override;

  // ITfCompartmentMgr::ClearCompartment: the value goes (notifying, if
  // there was one); advised sinks stay.
  void Clear();
  // The value for the host: VT_EMPTY, VT_I4 or VT_UNKNOWN.
  VARTYPE type() const { return type_; }
  LONG intValue() const { return intValue_; }
  const GUID& guid() const { return guid_; }

  static void SetNotifiesUnchangedWrites(bool notify);

 private:
  ~Compartment() override;
  void NotifyChange();

  GUID guid_;
  VARTYPE type_ = VT_EMPTY;
  LONG intValue_ = 0;
  ComPtr<IUnknown> unknownValue_;
  SinkList sinks_;
};

}  // namespace platform
