#include "service/keys/CKeyStateComposing.h"

#include "service/candidate/CCandidateListUIPresenter.h"
#include "service/engine/CCompositionProcessorEngine.h"
#include "service/keys/RangeCovers.h"
#include "service/keys/RangeOperations.h"
#include "service/tsf/LutemIME.h"

HRESULT CKeyStateComposing::Input(const KeyHandlerArgs& args) {
  return textService->AppendKeystroke(args.editCookie, args.context, args.character);
}

HRESULT CKeyStateComposing::Finalize(const KeyHandlerArgs& args) {
  return textService->CommitComposition(args.editCookie, args.context);
}

HRESULT CKeyStateComposing::Convert(const KeyHandlerArgs& args) {
  return textService->ConvertOrCommit(args.editCookie, args.context, args.code);
}

HRESULT CKeyStateComposing::Cancel(const KeyHandlerArgs& args) {
  return textService->CancelComposition(args.editCookie, args.context);
}

HRESULT CKeyStateComposing::Backspace(const KeyHandlerArgs& args) {
  if (textService->composition == nullptr) return S_OK;
  ComRef<ITfRange> selection = DefaultSelection(args.editCookie, args.context);
  if (!selection) return S_FALSE;
  ComRef<ITfRange> composed = CompositionRange(textService->composition);
  if (composed && !RangeCovers(args.editCookie, selection.get(), composed.get())) return S_OK;

  CCompositionProcessorEngine::KeyBuffer& keys = textService->engine->keyBuffer;
  if (keys.length == 0) return S_OK;
  // The text keeps its storage: the next key overwrites the unit.
  --keys.length;
  if (keys.length == 0) return textService->CancelComposition(args.editCookie, args.context);
  textService->UpdateCompositionAndCandidates(args.editCookie, args.context);
  return S_OK;
}

HRESULT CKeyStateComposing::MoveSelection(const KeyHandlerArgs& args) {
  ComRef<ITfRange> selection = DefaultSelection(args.editCookie, args.context);
  if (!selection) return S_OK;
  ComRef<ITfRange> composed = CompositionRange(textService->composition);
  if (composed) {
    if (textService->presenter != nullptr) textService->presenter->OnKeyFunction(args.function);
    SelectRange(args.editCookie, args.context, selection.get());
  }
  return S_OK;
}
