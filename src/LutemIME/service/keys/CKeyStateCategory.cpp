#include "service/keys/CKeyStateCategory.h"

#include "service/keys/KeystrokeState.h"

HRESULT CKeyStateCategory::Input(const KeyHandlerArgs&) { return E_NOTIMPL; }
HRESULT CKeyStateCategory::Finalize(const KeyHandlerArgs&) { return E_NOTIMPL; }
HRESULT CKeyStateCategory::FinalizeCandidateThenInput(const KeyHandlerArgs&) { return E_NOTIMPL; }
HRESULT CKeyStateCategory::FinalizeCandidate(const KeyHandlerArgs&) { return E_NOTIMPL; }
HRESULT CKeyStateCategory::Convert(const KeyHandlerArgs&) { return E_NOTIMPL; }
HRESULT CKeyStateCategory::Cancel(const KeyHandlerArgs&) { return E_NOTIMPL; }
HRESULT CKeyStateCategory::Backspace(const KeyHandlerArgs&) { return E_NOTIMPL; }
HRESULT CKeyStateCategory::MoveSelection(const KeyHandlerArgs&) { return E_NOTIMPL; }
HRESULT CKeyStateCategory::SelectByNumber(const KeyHandlerArgs&) { return E_NOTIMPL; }

HRESULT CKeyStateCategory::Dispatch(const KeyHandlerArgs& args) {
  switch (args.function) {
    case FunctionInput:
      return Input(args);
    case FunctionCancel:
      return Cancel(args);
    case FunctionFinalize:
      return Finalize(args);
    case FunctionFinalizeCandidate:
      return FinalizeCandidate(args);
    case FunctionFinalizeCandidateThenInput:
      return FinalizeCandidateThenInput(args);
    case FunctionConvert:
      return Convert(args);
    case FunctionSelectByNumber:
      return SelectByNumber(args);
    case FunctionBackspace:
      return Backspace(args);
    case FunctionMoveUp:
    case FunctionMoveDown:
    case FunctionMovePageUp:
    case FunctionMovePageDown:
    case FunctionMoveFirst:
    case FunctionMoveLast:
      return MoveSelection(args);
    default:
      return E_INVALIDARG;
  }
}
