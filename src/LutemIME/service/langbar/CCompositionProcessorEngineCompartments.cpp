// The engine's compartments and its language-bar button: the keyboard opens
// with every profile initialisation, and its open/close state is kept equal
// to the native bit of the conversion mode, whichever of the two another
// component changes.
#include <new>

#include "service/engine/CCompositionProcessorEngine.h"
#include "service/langbar/CCompartmentEventSink.h"
#include "service/langbar/CCompartmentValue.h"
#include "service/langbar/CLangBarItemButton.h"

namespace {

// The open/close compartment as the engine reads it: false when the read
// fails, 0 for a value that is not VT_I4.
bool ReadOpenClose(ITfThreadMgr* threadMgr, TfClientId clientId, DWORD* open) {
  CCompartmentValue value(GUID_COMPARTMENT_KEYBOARD_OPENCLOSE, threadMgr, clientId);
  return SUCCEEDED(value.GetDword(open));
}

void WriteCompartment(ITfThreadMgr* threadMgr, REFGUID guid, TfClientId clientId, DWORD value) {
  CCompartmentValue(guid, threadMgr, clientId).SetDword(value);
}

}  // namespace

void CCompositionProcessorEngine::InitCompartments(ITfThreadMgr* threadMgr, TfClientId clientId) {
  WriteCompartment(threadMgr, GUID_COMPARTMENT_KEYBOARD_OPENCLOSE, clientId, 1);
  WriteCompartment(threadMgr, GUID_LBI_INPUTMODE, clientId, 1);
}

void CCompositionProcessorEngine::CreateLanguageBarButton(ITfThreadMgr* threadMgr,
                                                          TfClientId clientId, BOOL secureMode) {
  languageBarButton = new (std::nothrow) CLangBarItemButton(GUID_LBI_INPUTMODE, secureMode);
  if (languageBarButton != nullptr && !languageBarButton->IsAdded() && threadMgr != nullptr) {
    ITfLangBarItemMgr* bar = nullptr;
    HRESULT hr = threadMgr->QueryInterface(IID_ITfLangBarItemMgr, reinterpret_cast<void**>(&bar));
    if (hr == S_OK && bar != nullptr) {
      hr = bar->AddItem(static_cast<ITfLangBarItemButton*>(languageBarButton));
      if (hr == S_OK) languageBarButton->MarkAdded();
      bar->Release();
    } else if (hr == S_OK) {
      hr = E_FAIL;
    }
    if (hr == S_OK) languageBarButton->WatchOpenClose(threadMgr, clientId);
  }

  conversionModeCompartment = new (std::nothrow)
      CCompartmentValue(GUID_COMPARTMENT_KEYBOARD_INPUTMODE_CONVERSION, threadMgr, clientId);
  openCloseSink = new (std::nothrow) CCompartmentEventSink(&OnCompartmentChanged, this);
  conversionModeSink = new (std::nothrow) CCompartmentEventSink(&OnCompartmentChanged, this);
  if (openCloseSink != nullptr && threadMgr != nullptr) {
    openCloseSink->StartListening(threadMgr, GUID_COMPARTMENT_KEYBOARD_OPENCLOSE);
    WriteCompartment(threadMgr, GUID_COMPARTMENT_KEYBOARD_OPENCLOSE, clientId, 1);
  }
  if (conversionModeSink != nullptr && threadMgr != nullptr)
    conversionModeSink->StartListening(threadMgr, GUID_COMPARTMENT_KEYBOARD_INPUTMODE_CONVERSION);
  // The keyboard was opened before anything listened, and writing the value a
  // compartment already holds need not tell its sinks: the native bit is
  // brought in step here, or the next sync from the conversion mode (a
  // profile switch) would close the keyboard again.
  SyncConversionFromOpen(threadMgr);
}

HRESULT CCompositionProcessorEngine::OnCompartmentChanged(void* context, REFGUID rguid) {
  if (context == nullptr) return E_INVALIDARG;
  auto* engine = static_cast<CCompositionProcessorEngine*>(context);
  ITfThreadMgr* threadMgr = nullptr;
  if (FAILED(CoCreateInstance(CLSID_TF_ThreadMgr, nullptr, CLSCTX_INPROC_SERVER, IID_ITfThreadMgr,
                              reinterpret_cast<void**>(&threadMgr))) ||
      threadMgr == nullptr)
    return E_FAIL;
  if (IsEqualGUID(rguid, GUID_COMPARTMENT_KEYBOARD_INPUTMODE_CONVERSION)) {
    engine->SyncOpenFromConversion(threadMgr);
  } else if (IsEqualGUID(rguid, GUID_COMPARTMENT_KEYBOARD_OPENCLOSE)) {
    engine->SyncConversionFromOpen(threadMgr);
  }
  threadMgr->Release();
  return S_OK;
}

void CCompositionProcessorEngine::SyncOpenFromConversion(ITfThreadMgr* threadMgr) {
  DWORD conversion = 0;
  if (conversionModeCompartment == nullptr || FAILED(conversionModeCompartment->GetDword(&conversion)))
    return;
  DWORD open = 0;
  if (threadMgr == nullptr || !ReadOpenClose(threadMgr, clientId, &open)) return;
  bool native = (conversion & TF_CONVERSIONMODE_NATIVE) != 0;
  if (open != 0 && !native) {
    WriteCompartment(threadMgr, GUID_COMPARTMENT_KEYBOARD_OPENCLOSE, clientId, 0);
  } else if (open == 0 && native) {
    WriteCompartment(threadMgr, GUID_COMPARTMENT_KEYBOARD_OPENCLOSE, clientId, 1);
  }
}

void CCompositionProcessorEngine::SyncConversionFromOpen(ITfThreadMgr* threadMgr) {
  DWORD conversion = 0;
  if (conversionModeCompartment == nullptr || FAILED(conversionModeCompartment->GetDword(&conversion)))
    return;
  const DWORD old = conversion;
  DWORD open = 0;
  if (threadMgr != nullptr && ReadOpenClose(threadMgr, clientId, &open)) {
    if (open != 0) {
      conversion |= TF_CONVERSIONMODE_NATIVE;
    } else {
      conversion &= ~static_cast<DWORD>(TF_CONVERSIONMODE_NATIVE);
    }
  }
  if (conversion != old) conversionModeCompartment->SetDword(conversion);
}
