#include "msctf/PreservedKeyTable.h"

#include <algorithm>

namespace platform {
namespace {

struct ModifierGroup {
  UINT generic;
  UINT left;
  UINT right;
};

const ModifierGroup kGroups[] = {
    {TF_MOD_ALT, TF_MOD_LALT, TF_MOD_RALT},
    {TF_MOD_CONTROL, TF_MOD_LCONTROL, TF_MOD_RCONTROL},
    {TF_MOD_SHIFT, TF_MOD_LSHIFT, TF_MOD_RSHIFT},
};

bool ModifiersAgree(UINT wanted, UINT sides) {
  if (wanted & TF_MOD_IGNORE_ALL_MODIFIER) return true;
  for (const ModifierGroup& g : kGroups) {
    bool leftDown = (sides & g.left) != 0;
    bool rightDown = (sides & g.right) != 0;
    if (wanted & g.generic) {
      if (!leftDown && !rightDown) return false;
    } else if (leftDown != ((wanted & g.left) != 0) || rightDown != ((wanted & g.right) != 0)) {
      return false;
    }
  }
  return true;
}

std::u16string Description(const WCHAR* description, ULONG length) {
  if (description == nullptr) return std::u16string();
  return std::u16string(AsChar16(description), length);
}

}  // namespace

HRESULT PreservedKeyTable::Preserve(TfClientId clientId, REFGUID guid, const TF_PRESERVEDKEY* key,
                                    const WCHAR* description, ULONG length) {
  if (key == nullptr || clientId == TF_CLIENTID_NULL) return E_INVALIDARG;
  if (description == nullptr && length != 0) return E_INVALIDARG;
  if (FindKey(*key)) return TF_E_ALREADY_EXISTS;
  entries_.push_back(PreservedKeyEntry{clientId, guid, *key, Description(description, length)});
  return S_OK;
}

HRESULT PreservedKeyTable::Unpreserve(REFGUID guid, const TF_PRESERVEDKEY* key) {
  if (key == nullptr) return E_INVALIDARG;
  auto found = std::find_if(entries_.begin(), entries_.end(), [&](const PreservedKeyEntry& e) {
    return IsEqualGUID(e.guid, guid) && e.key.uVKey == key->uVKey &&
           e.key.uModifiers == key->uModifiers;
  });
  if (found == entries_.end()) return CONNECT_E_NOCONNECTION;
  entries_.erase(found);
  return S_OK;
}

const PreservedKeyEntry* PreservedKeyTable::FindKey(const TF_PRESERVEDKEY& key) const {
  for (const PreservedKeyEntry& e : entries_) {
    if (e.key.uVKey == key.uVKey && e.key.uModifiers == key.uModifiers) return &e;
  }
  return nullptr;
}

const PreservedKeyEntry* PreservedKeyTable::FindGuid(REFGUID guid) const {
  for (const PreservedKeyEntry& e : entries_) {
    if (IsEqualGUID(e.guid, guid)) return &e;
  }
  return nullptr;
}

const PreservedKeyEntry* PreservedKeyTable::Match(UINT vk, UINT modifierSides, bool keyUp) const {
  for (const PreservedKeyEntry& e : entries_) {
    if (e.key.uVKey != vk) continue;
    if (((e.key.uModifiers & TF_MOD_ON_KEYUP) != 0) != keyUp) continue;
    if (ModifiersAgree(e.key.uModifiers, modifierSides)) return &e;
  }
  return nullptr;
}

bool PreservedKeyTable::Describe(REFGUID guid, const WCHAR* description, ULONG length) {
  bool any = false;
  for (PreservedKeyEntry& e : entries_) {
    if (IsEqualGUID(e.guid, guid)) {
      e.description = Description(description, length);
      any = true;
    }
  }
  return any;
}

}  // namespace platform
