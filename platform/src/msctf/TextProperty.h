// A property of a context's text (ITfProperty, with ITfReadOnlyProperty's
// methods), as their references describe them: values kept per UTF-16
// unit (TextProperties). The stand-in keeps VT_I4 values; SetValue with
// VT_EMPTY clears, any other type gives E_INVALIDARG. GUID_PROP_COMPOSING
// is TSF's own (the text of open compositions): writing it gives
// TF_E_READONLY.
//
// - GetValue: the value over the range when every unit has the same one,
//   VT_EMPTY otherwise (an empty range, mixed values, no value); S_OK.
// - EnumRanges: the runs of uniform value, those without a value included,
//   clipped to the target range (the whole text without one), as ranges
//   that follow later edits. An empty target, or empty text, gives none.
// - Clear without a range clears the whole text.
// Reading wants a cookie of a lock held on the document, writing a
// read/write one (TF_E_NOLOCK); a range of another context gives
// E_INVALIDARG. FindRange and SetValueStore are E_NOTIMPL.
//
// Failure switches: "ITfReadOnlyProperty::EnumRanges",
// "ITfReadOnlyProperty::GetValue", "ITfProperty::SetValue",
// "ITfProperty::Clear" (E_FAIL).
#pragma once

#include <memory>

#include "Platform.h"
#include "msctf/ComObject.h"

namespace platform {

class TextDocument;

class TextProperty final : public ComObject<ITfProperty> {
 public:
  TextProperty(std::shared_ptr<TextDocument> document, REFGUID guid);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  // ITfReadOnlyProperty
  HRESULT STDMETHODCALLTYPE GetType(GUID* pguid) override;
  HRESULT STDMETHODCALLTYPE EnumRanges(TfEditCookie ec, IEnumTfRanges** ppEnum,
                                       ITfRange* pTargetRange) override;
  HRESULT STDMETHODCALLTYPE GetValue(TfEditCookie ec, ITfRange* pRange,
                                     VARIANT* pvarValue) override;
  HRESULT STDMETHODCALLTYPE GetContext(ITfContext** ppContext) override;
  // ITfProperty
  HRESULT STDMETHODCALLTYPE FindRange(TfEditCookie ec, ITfRange* pRange, ITfRange** ppRange,
                                      TfAnchor aPos) override;
  HRESULT STDMETHODCALLTYPE SetValueStore(TfEditCookie ec, ITfRange* pRange,
                                          ITfPropertyStore* pPropStore) override;
  HRESULT STDMETHODCALLTYPE SetValue(TfEditCookie ec, ITfRange* pRange,
                                     const VARIANT* pvarValue) override;
  HRESULT STDMETHODCALLTYPE Clear(TfEditCookie ec, ITfRange* pRange) override;

  const GUID& guid() const { return guid_; }

 private:
  ~TextProperty() override = default;
  // The checks every write makes; S_OK when it may go on over [start, end).
  HRESULT CheckWrite(TfEditCookie ec, ITfRange* range, const char* name, LONG* start, LONG* end);

  std::shared_ptr<TextDocument> document_;
  GUID guid_;
};

}  // namespace platform
