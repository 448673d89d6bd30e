#include "host/msctf/Profiles.h"
#include "msctf/GuidAtoms.h"
#include "msctf/ProfileSettings.h"
#include "msctf/TipRegistry.h"

using platform::ProfileSettings;
using platform::TipRegistry;

namespace host {

std::vector<RegisteredProfile> RegisteredProfiles() {
  std::vector<RegisteredProfile> profiles;
  for (const TipRegistry::Profile& p : TipRegistry::Profiles())
    profiles.push_back(
        {p.clsid, p.langid, p.profile, p.description, p.iconFile, p.iconIndex, p.enabled});
  return profiles;
}

std::vector<GUID> RegisteredCategories(REFCLSID clsid) {
  return TipRegistry::CategoriesOf(clsid, clsid);
}

void SetCurrentLanguage(LANGID langid) { ProfileSettings::Instance().SetCurrentLanguage(langid); }

void SetDefaultProfile(LANGID langid, REFGUID category, REFCLSID clsid, REFGUID profile) {
  ProfileSettings::Instance().SetDefaultProfile(langid, category, clsid, profile);
}

void SetProfileManagerRegistration(bool offered) {
  ProfileSettings::Instance().SetManagerRegistration(offered);
}

void ClearDefaultProfiles() { ProfileSettings::Instance().ClearDefaultProfiles(); }

bool GuidOfAtom(TfGuidAtom atom, GUID& guid) {
  return platform::GuidAtoms::Instance().Find(atom, guid);
}

}  // namespace host
