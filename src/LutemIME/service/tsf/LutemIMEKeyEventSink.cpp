// The key event sink: every key the application offers while the text
// service is active is classified here, eaten or let through, and handed to
// its handler in an edit session.
#include <new>

#include "service/engine/CCompositionProcessorEngine.h"
#include "service/keys/CKeyHandlerEditSession.h"
#include "service/keys/ModifierKeys.h"
#include "service/langbar/CCompartmentValue.h"
#include "service/settings/ProcessSettings.h"
#include "service/tsf/LutemIME.h"

namespace {

constexpr WCHAR kInjectedPageDown = 0xF003;
constexpr WCHAR kInjectedPageUp = 0xF004;

KeyToSend KeyAsTyped(UINT vk, LPARAM lParam) {
  KeyToSend key;
  key.vk = vk & 0xFFFF;
  key.packet = static_cast<WCHAR>(vk >> 16);
  key.scan = static_cast<WORD>((static_cast<ULONG_PTR>(lParam) >> 16) & 0xFF);
  key.extended = ((static_cast<ULONG_PTR>(lParam) >> 24) & 1) != 0;
  key.shift = GetKeyState(VK_SHIFT) < 0;
  key.control = GetKeyState(VK_CONTROL) < 0;
  key.alt = GetKeyState(VK_MENU) < 0;
  return key;
}

}  // namespace

STDMETHODIMP LutemIME::OnSetFocus(BOOL) { return S_OK; }

STDMETHODIMP LutemIME::OnTestKeyDown(ITfContext* pic, WPARAM wParam, LPARAM lParam,
                                     BOOL* pfEaten) {
  if (pfEaten == nullptr) return E_INVALIDARG;
  *pfEaten = KeyDownEvent(pic, wParam, lParam, true);
  return S_OK;
}

STDMETHODIMP LutemIME::OnKeyDown(ITfContext* pic, WPARAM wParam, LPARAM lParam, BOOL* pfEaten) {
  if (pfEaten == nullptr) return E_INVALIDARG;
  *pfEaten = KeyDownEvent(pic, wParam, lParam, false);
  return S_OK;
}

STDMETHODIMP LutemIME::OnTestKeyUp(ITfContext* pic, WPARAM wParam, LPARAM lParam, BOOL* pfEaten) {
  if (pfEaten == nullptr) return E_INVALIDARG;
  *pfEaten = KeyUpEvent(pic, wParam, lParam, true);
  return S_OK;
}

STDMETHODIMP LutemIME::OnKeyUp(ITfContext* pic, WPARAM wParam, LPARAM lParam, BOOL* pfEaten) {
  if (pfEaten == nullptr) return E_INVALIDARG;
  *pfEaten = KeyUpEvent(pic, wParam, lParam, false);
  return S_OK;
}

STDMETHODIMP LutemIME::OnPreservedKey(ITfContext*, REFGUID rguid, BOOL* pfEaten) {
  if (pfEaten == nullptr) return E_INVALIDARG;
  *pfEaten = FALSE;
  if (engine == nullptr) return S_OK;
  engine->HandlePreservedKey(rguid, pfEaten, threadMgr, clientId);
  // A composition the keyboard was switched off in (one whose keys convert
  // to nothing yet is not committed by Ctrl) would take in what the user
  // types next, and the first key after the keyboard is on again would
  // write its word over that text. It ends here, its text kept.
  DWORD open = 1;
  if (composition != nullptr && compositionContext != nullptr &&
      SUCCEEDED(CCompartmentValue(GUID_COMPARTMENT_KEYBOARD_OPENCLOSE, threadMgr, clientId)
                    .GetDword(&open)) &&
      open == 0) {
    ITfContext* context = compositionContext;
    context->AddRef();
    RequestCloseComposition(context);
    context->Release();
  }
  return S_OK;
}

SentKeys::Returning LutemIME::ReturningKey(WPARAM wParam, LPARAM lParam, bool up, bool test) {
  if (!test && testedValid && wParam == testedWParam && lParam == testedLParam) {
    testedValid = false;
    return testedReturning;
  }
  const SentKeys::Returning returning = sentKeys.Take(static_cast<UINT>(wParam), up);
  testedValid = test;
  testedHeld = false;
  testedWParam = wParam;
  testedLParam = lParam;
  testedReturning = returning;
  return returning;
}

BOOL LutemIME::KeyUpEvent(ITfContext* context, WPARAM wParam, LPARAM lParam, bool test) {
  TrackModifierKeys(wParam, lParam);
  if (ReturningKey(wParam, lParam, true, test) == SentKeys::Returning::Pass) return FALSE;
  return ClassifyKey(context, static_cast<UINT>(wParam), nullptr, nullptr, nullptr);
}

BOOL LutemIME::KeyDownEvent(ITfContext* context, WPARAM wParam, LPARAM lParam, bool test) {
  TrackModifierKeys(wParam, lParam);
  const UINT vk = static_cast<UINT>(wParam);
  const bool heldByTest =
      !test && testedValid && testedHeld && wParam == testedWParam && lParam == testedLParam;
  const SentKeys::Returning returning = ReturningKey(wParam, lParam, false, test);
  // The test held this key back; it is sent again in its time.
  if (heldByTest) return TRUE;
  // What the text service sent for the application goes there as it is.
  if (returning == SentKeys::Returning::Pass) return FALSE;

  UINT code = 0;
  WCHAR character = 0;
  KeystrokeState state = {CategoryNone, FunctionNone};
  bool waitsForKeys = false;
  BOOL eaten = ClassifyKey(context, vk, &code, &character, &state, &waitsForKeys);
  if (waitsForKeys || (heldKeys != 0 && (eaten || state.category == CategoryPassThrough))) {
    // A key held back earlier has not gone yet: this one may not overtake
    // it, so it goes after it and is typed again then. That holds for a key
    // being typed again too: behind a key held for the application it
    // would begin its word first, and the application's key would then go
    // into that word. A key whose handling depends on the word that the
    // waiting sessions are typing (a Backspace after letters not yet
    // composed) is classified only once they ran, as if they had run at
    // once.
    if (HoldKey(context, vk, code, character, lParam, KeystrokeState{CategoryNone, FunctionNone},
                true)) {
      testedHeld = test;
      return TRUE;
    }
  }
  if (eaten) {
    if (test) return TRUE;
    if (code == VK_ESCAPE) state.category = CategoryComposing;
    const bool closedPageKey = (character == kInjectedPageDown || character == kInjectedPageUp) &&
                               state == KeystrokeState{CategoryNone, FunctionNone};
    if (!closedPageKey) {
      // Ctrl (a commit key) is not sent again: its key-up would let go of
      // the Ctrl the user still holds for a chord.
      const KeyToSend typed = KeyAsTyped(vk, lParam);
      RequestKeyHandler(context, code, character, state, code == VK_CONTROL ? nullptr : &typed);
    }
    return TRUE;
  }
  if (state.category != CategoryPassThrough) {
    // A key that is neither eaten nor passed on (F1, Alt, Caps Lock) still
    // takes away layout 8's Shift marker, which may wait in the keys or in a
    // session not run yet; a composition of nothing else ends with it.
    if (state == KeystrokeState{CategoryNone, FunctionNone} && CurrentLayout == 8 &&
        (composition != nullptr || waitingKeySessions != 0))
      RequestKeyHandler(context, code, 0, KeystrokeState{CategoryComposing, FunctionNone});
    return FALSE;
  }
  eaten = PassKeyOn(context, vk, code, character, lParam);
  testedHeld = test && eaten;
  return eaten;
}

BOOL LutemIME::PassKeyOn(ITfContext* context, UINT vk, UINT code, WCHAR character,
                         LPARAM lParam) {
  if (context == nullptr) return FALSE;
  // Nothing composed and nothing about to be: the key has nothing to wait for.
  if (!ComposingIn(context) && waitingKeySessions == 0) return FALSE;
  const KeystrokeState finalize = {CategoryComposing, FunctionFinalize};
  if (waitingKeySessions == 0) {
    // Ended now, before TSF gives the key to the application.
    CKeyHandlerEditSession* session =
        new (std::nothrow) CKeyHandlerEditSession(this, context, code, character, finalize);
    if (session == nullptr) return FALSE;
    HRESULT sessionResult = S_OK;
    const HRESULT hr = context->RequestEditSession(clientId, session,
                                                   TF_ES_SYNC | TF_ES_READWRITE, &sessionResult);
    session->Release();
    if (FAILED(hr) || sessionResult != TF_E_SYNCHRONOUS) return FALSE;
  }
  // The composition can end only later (no synchronous lock, or earlier
  // keys still wait for theirs): the key waits too, and reaches the
  // application after the commit.
  return HoldKey(context, vk, code, character, lParam, finalize, false);
}

BOOL LutemIME::HoldKey(ITfContext* context, UINT vk, UINT code, WCHAR character, LPARAM lParam,
                       KeystrokeState state, bool retype) {
  if (context == nullptr) return FALSE;
  CKeyHandlerEditSession* session =
      new (std::nothrow) CKeyHandlerEditSession(this, context, code, character, state);
  if (session == nullptr) return FALSE;
  KeyToSend key = KeyAsTyped(vk, lParam);
  key.retype = retype;
  session->SendAfterwards(key);
  HRESULT sessionResult = S_OK;
  const HRESULT hr =
      context->RequestEditSession(clientId, session, TF_ES_ASYNC | TF_ES_READWRITE, &sessionResult);
  if (SUCCEEDED(hr) && sessionResult == TF_S_ASYNC) session->MarkWaiting();
  session->Release();
  return SUCCEEDED(hr) && (sessionResult == TF_S_ASYNC || SUCCEEDED(sessionResult)) ? TRUE : FALSE;
}
