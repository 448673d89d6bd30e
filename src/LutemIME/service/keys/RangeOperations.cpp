#include "service/keys/RangeOperations.h"

ComRef<ITfRange> DefaultSelection(TfEditCookie editCookie, ITfContext* context) {
  if (context == nullptr) return {};
  TF_SELECTION selection = {};
  ULONG fetched = 0;
  const HRESULT hr = context->GetSelection(editCookie, TF_DEFAULT_SELECTION, 1, &selection, &fetched);
  ComRef<ITfRange> range(fetched == 1 ? selection.range : nullptr);
  if (hr != S_OK) range.Reset();
  return range;
}

void SelectRange(TfEditCookie editCookie, ITfContext* context, ITfRange* range) {
  if (context == nullptr || range == nullptr) return;
  TF_SELECTION selection = {};
  selection.range = range;
  selection.style.ase = TF_AE_NONE;
  selection.style.fInterimChar = FALSE;
  context->SetSelection(editCookie, 1, &selection);
}

ComRef<ITfRange> CompositionRange(ITfComposition* composition) {
  ComRef<ITfRange> range;
  if (composition == nullptr || FAILED(composition->GetRange(range.Receive()))) range.Reset();
  return range;
}

void SetRangeProperty(TfEditCookie editCookie, ITfContext* context, REFGUID property,
                      ITfRange* range, LONG value) {
  ComRef<ITfProperty> found;
  if (context == nullptr || range == nullptr ||
      FAILED(context->GetProperty(property, found.Receive())) || !found)
    return;
  VARIANT variant;
  VariantInit(&variant);
  variant.vt = VT_I4;
  variant.lVal = value;
  found->SetValue(editCookie, range, &variant);
}

void ClearRangeProperty(TfEditCookie editCookie, ITfContext* context, REFGUID property,
                        ITfRange* range) {
  ComRef<ITfProperty> found;
  if (context == nullptr || range == nullptr ||
      FAILED(context->GetProperty(property, found.Receive())) || !found)
    return;
  found->Clear(editCookie, range);
}
