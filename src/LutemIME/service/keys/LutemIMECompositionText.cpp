// Typing into the composition: each key is appended to the key buffer, the
// whole buffer converted again and written over the composed text, and the
// candidate list rebuilt.
#include <climits>
#include <new>

#include "service/candidate/CCandidateListUIPresenter.h"
#include "service/candidate/CCandidateWindow.h"
#include "service/candidate/ThemeManager.h"
#include "service/engine/CCompositionProcessorEngine.h"
#include "service/keys/CStartCompositionEditSession.h"
#include "service/keys/RangeCovers.h"
#include "service/keys/RangeOperations.h"
#include "service/settings/ProcessSettings.h"
#include "service/tsf/LutemIME.h"

namespace {

constexpr int32_t kLowercaseLayout = 8;
constexpr WCHAR kShiftMarker = 0xF8FE;

uint64_t TextLength(const WCHAR* text) {
  uint64_t length = 0;
  if (text != nullptr)
    while (text[length] != 0) ++length;
  return length;
}

}  // namespace

HRESULT LutemIME::InsertComposingText(TfEditCookie ec, ITfContext* context,
                                      const CStringRange& text) {
  ComRef<ITfRange> selection = DefaultSelection(ec, context);
  if (!selection) return S_FALSE;
  // The composition's own range, whole: the composed text is replaced even
  // when the caret stands inside it, and never another composition of the
  // document.
  ComRef<ITfRange> composed = CompositionRange(composition);
  WriteCompositionRange(ec, context, composed.get(), text, composed ? TRUE : FALSE);
  return S_OK;
}

HRESULT LutemIME::WriteCompositionRange(TfEditCookie ec, ITfContext* context, ITfRange* range,
                                        const CStringRange& text, BOOL found) {
  if (text.length > static_cast<uint64_t>(LONG_MAX)) return S_OK;
  ComRef<ITfRange> target;
  if (found && range != nullptr) {
    target = ComRef<ITfRange>::Share(range);
  } else {
    ComRef<ITfInsertAtSelection> insert =
        ComRef<ITfInsertAtSelection>::Query(context, IID_ITfInsertAtSelection);
    if (!insert ||
        FAILED(insert->InsertTextAtSelection(ec, TF_IAS_QUERYONLY, text.text,
                                             static_cast<LONG>(text.length), target.Receive())) ||
        !target)
      return S_OK;
  }
  static const WCHAR kNothing[1] = {0};
  target->SetText(ec, 0, text.text != nullptr ? text.text : kNothing,
                  static_cast<LONG>(text.length));

  if (ComRef<ITfRange> composed = CompositionRange(composition)) {
    if (engine != nullptr)
      SetRangeProperty(ec, context, GUID_PROP_LANGID, composed.get(), engine->langId);
    SetRangeProperty(ec, context, GUID_PROP_ATTRIBUTE, composed.get(),
                     static_cast<LONG>(inputAttributeAtom));
  }

  ComRef<ITfRange> caret;
  if (SUCCEEDED(target->Clone(caret.Receive())) && caret) {
    caret->Collapse(ec, TF_ANCHOR_END);
    SelectRange(ec, context, caret.get());
  }
  return S_OK;
}

HRESULT LutemIME::AppendKeystroke(TfEditCookie ec, ITfContext* context, WCHAR character) {
  if (presenter != nullptr && candidateMode != CandidateModeIncremental)
    CommitComposition(ec, context);
  if (composition == nullptr) StartCompositionAtSelection(context);
  if (composition == nullptr) return S_FALSE;

  ComRef<ITfRange> selection = DefaultSelection(ec, context);
  if (!selection) return S_FALSE;
  ComRef<ITfRange> composed = CompositionRange(composition);
  if (composed && !RangeCovers(ec, selection.get(), composed.get())) {
    // The caret has left the composition before its close came round: that
    // word stays as it is, and the key starts a new one at the caret
    // rather than being lost.
    CloseComposition(ec, context);
    StartCompositionAtSelection(context);
    if (composition == nullptr) return S_FALSE;
  }

  CCompositionProcessorEngine::KeyBuffer& keys = engine->keyBuffer;
  // A Shift classified while an earlier one waited for its session: the
  // marker stands once.
  if (character == kShiftMarker && keys.length != 0 && keys.text[keys.length - 1] == kShiftMarker)
    character = 0;
  if (character != 0) {
    WCHAR* grown = new (std::nothrow) WCHAR[keys.length + 1];
    if (grown != nullptr) {
      for (uint64_t i = 0; i < keys.length; ++i) grown[i] = keys.text[i];
      grown[keys.length] = character;
      delete[] keys.text;
      keys = {keys.length + 1, grown};
    }
  }
  UpdateCompositionAndCandidates(ec, context);
  return S_OK;
}

void LutemIME::StartCompositionAtSelection(ITfContext* context) {
  CStartCompositionEditSession* session =
      new (std::nothrow) CStartCompositionEditSession(this, context);
  if (session == nullptr) return;
  HRESULT sessionResult = S_OK;
  context->RequestEditSession(clientId, session, TF_ES_SYNC | TF_ES_READWRITE, &sessionResult);
  session->Release();
}

HRESULT LutemIME::UpdateCompositionAndCandidates(TfEditCookie ec, ITfContext* context) {
  CCompositionProcessorEngine::KeyBuffer& keys = engine->keyBuffer;
  if (keys.length != 0) {
    WCHAR* converted = engine->ConvertKeystrokes(CStringRange{keys.length, keys.text});
    delete[] engine->convertedText;
    engine->convertedText = converted;
    if (converted != nullptr)
      InsertComposingText(ec, context, CStringRange{TextLength(converted), converted});
  }

  LutemIMEArray<CCandidateListItem> list;
  engine->BuildCandidateList(&list);
  if (list.Count() == 0) {
    if (presenter != nullptr && presenter->window != nullptr) {
      presenter->window->ClearList();
      presenter->window->Invalidate();
    }
    return S_OK;
  }

  HRESULT result = S_OK;
  if (candidateMode == CandidateModeNone && presenter != nullptr) DeletePresenter();
  if (presenter == nullptr) {
    // Once refused, not asked again for this word: each key would set up
    // and take down a list the application does not let it show.
    if (candidateListRefused) return S_OK;
    result = BeginNewCandidateList(ec, context, CandidateModeIncremental);
    candidateListRefused = FAILED(result);
    if (FAILED(result) || presenter == nullptr) return result;
  }
  CCandidateWindow* window = presenter->window;
  if (window == nullptr) return result;
  TakeNewerTheme(&themeAnnouncementSeen, &themeColors);
  // Painted only when the colours change: the update paints anyway.
  if (window->Colors() != themeColors) window->SetColors(themeColors);
  window->ClearList();
  window->Invalidate();
  presenter->AddCandidates(list);

  if (CurrentLayout == kLowercaseLayout && CandidateWindow != 0) {
    // The Shift marker alone shows no word yet: the list waits for a letter.
    // Shown again only where the marker alone hid it: a shown window was
    // painted and placed by the update already.
    if (keys.length != 1) {
      if (presenter->window != nullptr && !presenter->window->IsVisible())
        presenter->ShowIfShowMode();
    } else if (keys.text[0] == kShiftMarker) {
      presenter->HideIfShowMode();
    }
  }
  return result;
}
