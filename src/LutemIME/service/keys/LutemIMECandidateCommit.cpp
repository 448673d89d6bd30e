// The conversion list and the commits of a chosen candidate.
#include <new>

#include "service/candidate/CCandidateListUIPresenter.h"
#include "service/candidate/CCandidateWindow.h"
#include "service/candidate/ThemeManager.h"
#include "service/engine/CCompositionProcessorEngine.h"
#include "service/keys/RangeOperations.h"
#include "service/module/DllMain.h"
#include "service/settings/ProcessSettings.h"
#include "service/tsf/LutemIME.h"

namespace {

// The layouts whose choices are learned: "Lutem Phonetic", "Khipro" and
// "Avro Phonetic".
bool LearnsChoices(int32_t layout) { return layout == 1 || layout == 2 || layout == 3; }

}  // namespace

HRESULT LutemIME::BeginNewCandidateList(TfEditCookie ec, ITfContext* context, UINT mode) {
  presenter = new (std::nothrow)
      CCandidateListUIPresenter(this, CandidateWindowClassAtom, &engine->candidateLabels);
  if (presenter == nullptr) return E_OUTOFMEMORY;
  candidateMode = mode;
  ComRef<ITfDocumentMgr> document;
  ComRef<ITfRange> composed = CompositionRange(composition);
  HRESULT result = E_FAIL;
  if (SUCCEEDED(context->GetDocumentMgr(document.Receive())) && document && composed) {
    result = presenter->BeginCandidateList(clientId, document.get(), context, ec, composed.get(),
                                           engine->candidateListWidth);
  }
  if (FAILED(result)) {
    // A presenter kept without its list would make the next key commit the
    // word it is typing into (a presenter outside the mode kept while
    // typing means a list to leave); the word goes on without a list.
    DeletePresenter();
    candidateMode = CandidateModeNone;
  }
  return result;
}

HRESULT LutemIME::ShowConversionCandidates(TfEditCookie ec, ITfContext* context) {
  LutemIMEArray<CCandidateListItem> list;
  engine->BuildCandidateList(&list);
  if (list.Count() == 0) return S_OK;
  if (presenter != nullptr) {
    DeletePresenter();
    candidateMode = CandidateModeNone;
  }
  const HRESULT result = BeginNewCandidateList(ec, context, CandidateModeConvert);
  if (FAILED(result) || presenter == nullptr) return result;
  // Drawn in the user's theme like the list kept while typing.
  TakeNewerTheme(&themeAnnouncementSeen, &themeColors);
  if (presenter->window != nullptr) presenter->window->SetColors(themeColors);
  presenter->AddCandidates(list);
  return result;
}

HRESULT LutemIME::FinalizeSelectedCandidate(TfEditCookie ec, ITfContext* context) {
  HRESULT result = S_OK;
  CCandidateWindow* window = presenter != nullptr ? presenter->window : nullptr;
  if (window != nullptr && window->Selection() < window->ItemCount()) {
    const UINT selection = window->Selection();
    const CCandidateListItem& item = *window->GetItem(selection);
    if (LearnsChoices(CurrentLayout) && CandidateWindow != 0 && selection != 0) {
      engine->AddUserDictionaryEntry(CStringRange{engine->keyBuffer.length, engine->keyBuffer.text},
                                     item);
    }
    // The window's copy of the text lives until the list closes below.
    if (item.length != 0) result = InsertComposingText(ec, context, item);
  }
  ForgetComposedKeys();
  CloseComposition(ec, context);
  return result;
}

HRESULT LutemIME::ConvertOrCommit(TfEditCookie ec, ITfContext* context, UINT code) {
  const HRESULT shown = ShowConversionCandidates(ec, context);
  if (candidateMode == CandidateModeConvert || composition == nullptr || !ComposingIn(context))
    return shown;
  // No list: what FinalizeSelectedCandidate commits without one is the
  // word as it stands.
  DeletePresenter();
  candidateMode = CandidateModeNone;
  return CommitAndReplayKey(ec, context, code);
}

HRESULT LutemIME::FinalizeCandidateAndReplayKey(TfEditCookie ec, ITfContext* context, UINT code) {
  if (presenter == nullptr) return S_OK;
  return CommitAndReplayKey(ec, context, code);
}

HRESULT LutemIME::CommitAndReplayKey(TfEditCookie ec, ITfContext* context, UINT code) {
  // A chosen candidate that is empty (a Probhat vowel sign still waiting for
  // its consonant), or none to choose, still ends the word as it stands: a
  // refusal would eat the key and leave the user with nothing happening.
  const HRESULT result = FinalizeSelectedCandidate(ec, context);
  if (result != S_OK) return result;
  // The key that committed was eaten; the application still gets its Enter
  // or Space, now that there is no composition to take it.
  // Not when the focus has moved on meanwhile: it would reach another
  // document.
  if ((code == VK_RETURN || code == VK_SPACE) && IsFocusedContext(context)) {
    KeyToSend key;
    key.vk = code;
    SendKeyToApplication(key);
  }
  return S_OK;
}
