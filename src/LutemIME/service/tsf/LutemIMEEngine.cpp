// The engine of the current keyboard profile.
#include <new>

#include "service/engine/CCompositionProcessorEngine.h"
#include "service/tsf/LutemIME.h"

namespace {

CCompositionProcessorEngine* NewEngine() {
  try {
    return new (std::nothrow) CCompositionProcessorEngine;
  } catch (...) {
    // A table that could not be built: the engine is freed on the way out.
    return nullptr;
  }
}

}  // namespace

BOOL LutemIME::CreateCompositionEngine() {
  ITfInputProcessorProfiles* profiles = nullptr;
  if (FAILED(CoCreateInstance(CLSID_TF_InputProcessorProfiles, nullptr, CLSCTX_INPROC_SERVER,
                              IID_ITfInputProcessorProfiles, reinterpret_cast<void**>(&profiles))) ||
      profiles == nullptr)
    return FALSE;
  LANGID language = 0;
  CLSID clsid = GUID_NULL;
  GUID profile = GUID_NULL;
  BOOL result = FALSE;
  if (SUCCEEDED(profiles->GetCurrentLanguage(&language)) &&
      SUCCEEDED(profiles->GetDefaultLanguageProfile(language, GUID_TFCAT_TIP_KEYBOARD, &clsid,
                                                    &profile))) {
    if (engine != nullptr && engine->langId == language && IsEqualGUID(engine->profileGuid, profile)) {
      result = TRUE;
    } else {
      if (engine == nullptr) engine = NewEngine();
      if (engine != nullptr) {
        BOOL secureMode = (activateFlags & TF_TMAE_SECUREMODE) != 0 ? TRUE : FALSE;
        result = engine->InitForProfile(language, profile, threadMgr, clientId, secureMode);
      }
    }
  }
  profiles->Release();
  return result;
}
