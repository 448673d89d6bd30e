#include "service/keys/CKeyStateCandidate.h"

#include "service/candidate/CCandidateListUIPresenter.h"
#include "service/candidate/CCandidateWindow.h"
#include "service/engine/CCompositionProcessorEngine.h"
#include "service/tsf/LutemIME.h"

HRESULT CKeyStateCandidate::FinalizeCandidateThenInput(const KeyHandlerArgs& args) {
  textService->FinalizeSelectedCandidate(args.editCookie, args.context);
  return textService->AppendKeystroke(args.editCookie, args.context, args.character);
}

HRESULT CKeyStateCandidate::FinalizeCandidate(const KeyHandlerArgs& args) {
  return textService->FinalizeSelectedCandidate(args.editCookie, args.context);
}

HRESULT CKeyStateCandidate::Convert(const KeyHandlerArgs& args) {
  return textService->FinalizeCandidateAndReplayKey(args.editCookie, args.context, args.code);
}

HRESULT CKeyStateCandidate::Cancel(const KeyHandlerArgs& args) {
  return textService->CancelComposition(args.editCookie, args.context);
}

HRESULT CKeyStateCandidate::MoveSelection(const KeyHandlerArgs& args) {
  if (textService->presenter != nullptr) textService->presenter->OnKeyFunction(args.function);
  return S_OK;
}

HRESULT CKeyStateCandidate::SelectByNumber(const KeyHandlerArgs& args) {
  const LutemIMEArray<unsigned long>& labels = textService->engine->candidateLabels;
  UINT row = 0;
  bool found = false;
  for (; row < labels.Count() && !found; ++row) {
    const unsigned long label = *labels.GetAt(row);
    found = args.code - 0x30 == label ||
            (args.code >= VK_NUMPAD0 && args.code <= VK_NUMPAD9 && args.code - VK_NUMPAD0 == label);
  }
  if (!found) return S_FALSE;
  --row;
  CCandidateWindow* window =
      textService->presenter != nullptr ? textService->presenter->window : nullptr;
  UINT item = 0;
  if (window == nullptr || !window->ItemAtRow(row, &item)) return S_FALSE;
  window->SetSelection(item);
  window->Render();
  return textService->FinalizeCandidateAndReplayKey(args.editCookie, args.context, args.code);
}
