// The preserved keys of one thread manager (ITfKeystrokeMgr::PreserveKey):
// hot keys a text service claims, which reach only its
// ITfKeyEventSink::OnPreservedKey.
//
// A key matches a preserved one, as TF_PRESERVEDKEY's documentation reads,
// when the virtual-key codes are equal and the modifiers agree: for each of
// Alt, Ctrl and Shift, the generic bit (TF_MOD_CONTROL) wants either side
// down, side bits (TF_MOD_LCONTROL, TF_MOD_RCONTROL) want exactly those
// sides down, and no bit wants the modifier up; TF_MOD_IGNORE_ALL_MODIFIER
// matches any modifiers. A key with TF_MOD_ON_KEYUP matches on its release,
// any other on its press. The same virtual key with the same modifiers can
// be preserved once (TF_E_ALREADY_EXISTS for a second, whoever asks).
#pragma once

#include <string>
#include <vector>

#include "Platform.h"
#include "host/msctf/PreservedKeys.h"

namespace platform {

using PreservedKeyEntry = host::PreservedKey;

class PreservedKeyTable {
 public:
  HRESULT Preserve(TfClientId clientId, REFGUID guid, const TF_PRESERVEDKEY* key,
                   const WCHAR* description, ULONG length);
  // CONNECT_E_NOCONNECTION when guid does not hold that key.
  HRESULT Unpreserve(REFGUID guid, const TF_PRESERVEDKEY* key);
  // The entry holding exactly key (any GUID), or null.
  const PreservedKeyEntry* FindKey(const TF_PRESERVEDKEY& key) const;
  const PreservedKeyEntry* FindGuid(REFGUID guid) const;
  // The entry a key event matches. modifierSides: the TF_MOD_L* and TF_MOD_R*
  // bits of the modifiers that are down.
  const PreservedKeyEntry* Match(UINT vk, UINT modifierSides, bool keyUp) const;
  // Sets the description of every key of guid; false when guid has none.
  bool Describe(REFGUID guid, const WCHAR* description, ULONG length);

  const std::vector<PreservedKeyEntry>& entries() const { return entries_; }
  void Clear() { entries_.clear(); }

 private:
  std::vector<PreservedKeyEntry> entries_;
};

}  // namespace platform
