// The host's view of the text services registered with TSF and of the
// process's language settings: what a host activates, and the answers the
// profile object gives (InputProcessorProfiles.h, CategoryMgr.h).
#pragma once

#include <string>
#include <vector>

#include "Platform.h"

namespace host {

struct RegisteredProfile {
  CLSID clsid;
  LANGID langid;
  GUID profile;
  std::u16string description;
  std::u16string iconFile;
  DWORD iconIndex;
  bool enabled;
};

// Every language profile in the registry, as TSF registered it.
std::vector<RegisteredProfile> RegisteredProfiles();
// The categories a text service registered itself in (as its own item).
std::vector<GUID> RegisteredCategories(REFCLSID clsid);

// What GetCurrentLanguage answers (0x0845 until set).
void SetCurrentLanguage(LANGID langid);
// What GetDefaultLanguageProfile answers for the language and category,
// whatever is registered; ClearDefaultProfiles goes back to answering from
// the registry (the first enabled profile of a text service in the category).
void SetDefaultProfile(LANGID langid, REFGUID category, REFCLSID clsid, REFGUID profile);
void ClearDefaultProfiles();

// Whether ITfInputProcessorProfileMgr offers RegisterProfile and
// UnregisterProfile (on by default, as TSF since Windows Vista); off, both
// answer E_NOTIMPL, as Wine's do, and only the older
// ITfInputProcessorProfiles calls register profiles.
void SetProfileManagerRegistration(bool offered);

// The GUID of a GUID atom of the process; false when no GUID has it.
bool GuidOfAtom(TfGuidAtom atom, GUID& guid);

}  // namespace host
