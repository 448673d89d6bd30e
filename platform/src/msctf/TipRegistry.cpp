#include "msctf/TipRegistry.h"

#include <cstring>

#include "advapi32/RegistryDatabase.h"
#include "ole32/GuidText.h"

namespace platform {

namespace {

using Path = std::vector<std::u16string>;

RegistryDatabase& Store() { return RegistryDatabase::Instance(); }

Path TipPath(REFCLSID clsid) {
  return {u"SOFTWARE", u"Microsoft", u"CTF", u"TIP", GuidText(clsid)};
}
constexpr size_t kTipDepth = 5;

std::u16string LanguageKey(LANGID langid) {
  static const char16_t kHex[] = u"0123456789abcdef";
  std::u16string text = u"0x";
  for (int shift = 28; shift >= 0; shift -= 4) text += kHex[(langid >> shift) & 15];
  return text;
}

bool LanguageFromKey(const std::u16string& key, LANGID& langid) {
  uint64_t value = 0;
  if (key.size() != 10 || key.compare(0, 2, u"0x") != 0 || !ReadHexDigits(key, 2, 8, value) ||
      value > 0xFFFF)
    return false;
  langid = static_cast<LANGID>(value);
  return true;
}

Path ProfilePath(REFCLSID clsid, LANGID langid, REFGUID profile) {
  Path path = TipPath(clsid);
  path.insert(path.end(), {u"LanguageProfile", LanguageKey(langid), GuidText(profile)});
  return path;
}

Path Join(Path path, std::initializer_list<std::u16string> more) {
  path.insert(path.end(), more);
  return path;
}

LONG Open(const Path& path, bool create, int64_t& id) {
  bool created = false;
  return Store().OpenPath(RegistryDatabase::kLocalMachine, path, create, id, created);
}

LONG SetText(int64_t key, const std::u16string& name, const std::u16string& text) {
  return Store().SetValue(key, name, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>((text.size() + 1) * sizeof(WCHAR)));
}

LONG SetDword(int64_t key, const std::u16string& name, DWORD value) {
  return Store().SetValue(key, name, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof(value));
}

std::u16string ReadText(int64_t key, const std::u16string& name) {
  RegistryDatabase::Value value;
  if (Store().QueryValue(key, name, value) != ERROR_SUCCESS) return {};
  std::u16string text(value.data.size() / sizeof(WCHAR), u'\0');
  if (!text.empty()) std::memcpy(text.data(), value.data.data(), text.size() * sizeof(WCHAR));
  return std::u16string(text.c_str());
}

DWORD ReadDword(int64_t key, const std::u16string& name) {
  RegistryDatabase::Value value;
  DWORD number = 0;
  if (Store().QueryValue(key, name, value) == ERROR_SUCCESS && value.data.size() == sizeof(number))
    std::memcpy(&number, value.data.data(), sizeof(number));
  return number;
}

std::vector<std::u16string> SubkeyNames(int64_t key) {
  std::vector<std::u16string> names;
  std::u16string name;
  for (DWORD index = 0; Store().EnumKey(key, index, name) == ERROR_SUCCESS; ++index)
    names.push_back(name);
  return names;
}

LONG DeleteTree(int64_t key) {
  std::u16string name;
  while (Store().EnumKey(key, 0, name) == ERROR_SUCCESS) {
    int64_t child = 0;
    bool created = false;
    if (LONG error = Store().OpenPath(key, {name}, false, child, created)) return error;
    if (LONG error = DeleteTree(child)) return error;
  }
  return Store().DeleteKey(key);
}

// Deletes the key at path and each parent that it leaves empty, down to the
// text service's key.
void PruneEmpty(Path path) {
  for (; path.size() >= kTipDepth; path.pop_back()) {
    int64_t key = 0;
    if (Open(path, false, key) != ERROR_SUCCESS) continue;
    std::u16string name;
    RegistryDatabase::Value value;
    int64_t row = 0;
    if (Store().EnumKey(key, 0, name) == ERROR_SUCCESS ||
        Store().EnumValue(key, 0, 0, value, row) == ERROR_SUCCESS)
      return;
    if (Store().DeleteKey(key) != ERROR_SUCCESS) return;
  }
}

LONG RemoveKeyAndPrune(const Path& path) {
  int64_t key = 0;
  LONG error = Open(path, false, key);
  if (error != ERROR_SUCCESS) return error;
  error = DeleteTree(key);
  if (error == ERROR_SUCCESS) {
    Path parent = path;
    parent.pop_back();
    PruneEmpty(parent);
  }
  return error;
}

}  // namespace

LONG TipRegistry::RegisterTip(REFCLSID clsid) {
  int64_t key = 0;
  return Open(TipPath(clsid), true, key);
}

LONG TipRegistry::UnregisterTip(REFCLSID clsid) {
  int64_t key = 0;
  LONG error = Open(TipPath(clsid), false, key);
  return error == ERROR_SUCCESS ? DeleteTree(key) : error;
}

bool TipRegistry::IsRegistered(REFCLSID clsid) {
  int64_t key = 0;
  return Open(TipPath(clsid), false, key) == ERROR_SUCCESS;
}

LONG TipRegistry::AddProfile(REFCLSID clsid, LANGID langid, REFGUID profile,
                             const std::u16string& description, const std::u16string& iconFile,
                             DWORD iconIndex) {
  int64_t key = 0;
  if (LONG error = Open(ProfilePath(clsid, langid, profile), true, key)) return error;
  if (LONG error = SetText(key, u"Description", description)) return error;
  if (LONG error = SetText(key, u"IconFile", iconFile)) return error;
  return SetDword(key, u"IconIndex", iconIndex);
}

LONG TipRegistry::RemoveProfile(REFCLSID clsid, LANGID langid, REFGUID profile) {
  return RemoveKeyAndPrune(ProfilePath(clsid, langid, profile));
}

LONG TipRegistry::SetEnabled(REFCLSID clsid, LANGID langid, REFGUID profile, bool enabled) {
  int64_t key = 0;
  if (LONG error = Open(ProfilePath(clsid, langid, profile), false, key)) return error;
  return SetDword(key, u"Enable", enabled ? 1 : 0);
}

LONG TipRegistry::FindProfile(REFCLSID clsid, LANGID langid, REFGUID profile, Profile& found) {
  int64_t key = 0;
  if (LONG error = Open(ProfilePath(clsid, langid, profile), false, key)) return error;
  found.clsid = clsid;
  found.langid = langid;
  found.profile = profile;
  found.description = ReadText(key, u"Description");
  found.iconFile = ReadText(key, u"IconFile");
  found.iconIndex = ReadDword(key, u"IconIndex");
  found.enabled = ReadDword(key, u"Enable") != 0;
  return ERROR_SUCCESS;
}

std::vector<TipRegistry::Profile> TipRegistry::Profiles() {
  std::vector<Profile> profiles;
  int64_t tips = 0;
  Path tipsPath = TipPath(GUID_NULL);
  tipsPath.pop_back();
  if (Open(tipsPath, false, tips) != ERROR_SUCCESS) return profiles;
  for (const std::u16string& tipName : SubkeyNames(tips)) {
    CLSID clsid;
    int64_t languages = 0;
    bool created = false;
    if (!GuidFromText(tipName, clsid) ||
        Store().OpenPath(tips, {tipName, u"LanguageProfile"}, false, languages, created))
      continue;
    for (const std::u16string& languageName : SubkeyNames(languages)) {
      LANGID langid = 0;
      if (!LanguageFromKey(languageName, langid)) continue;
      int64_t language = 0;
      if (Store().OpenPath(languages, {languageName}, false, language, created)) continue;
      for (const std::u16string& profileName : SubkeyNames(language)) {
        GUID profile;
        Profile found;
        if (GuidFromText(profileName, profile) &&
            FindProfile(clsid, langid, profile, found) == ERROR_SUCCESS)
          profiles.push_back(found);
      }
    }
  }
  return profiles;
}

LONG TipRegistry::AddCategory(REFCLSID clsid, REFGUID category, REFGUID item) {
  Path base = Join(TipPath(clsid), {u"Category"});
  int64_t key = 0;
  if (LONG error = Open(Join(base, {u"Category", GuidText(category), GuidText(item)}), true, key))
    return error;
  return Open(Join(base, {u"Item", GuidText(item), GuidText(category)}), true, key);
}

LONG TipRegistry::RemoveCategory(REFCLSID clsid, REFGUID category, REFGUID item) {
  Path base = Join(TipPath(clsid), {u"Category"});
  LONG first = RemoveKeyAndPrune(Join(base, {u"Category", GuidText(category), GuidText(item)}));
  LONG second = RemoveKeyAndPrune(Join(base, {u"Item", GuidText(item), GuidText(category)}));
  return first != ERROR_SUCCESS ? first : second;
}

std::vector<GUID> TipRegistry::CategoriesOf(REFCLSID clsid, REFGUID item) {
  std::vector<GUID> categories;
  int64_t key = 0;
  if (Open(Join(TipPath(clsid), {u"Category", u"Item", GuidText(item)}), false, key) !=
      ERROR_SUCCESS)
    return categories;
  for (const std::u16string& name : SubkeyNames(key)) {
    GUID category;
    if (GuidFromText(name, category)) categories.push_back(category);
  }
  return categories;
}

}  // namespace platform
