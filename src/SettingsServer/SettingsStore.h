#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

#include "Platform.h"

// The seven settings, kept as values of the current user's
// "Software\Hollin\Lutem Keyboard" key, the key the settings program reads
// and writes, so both see the same settings. Text settings are REG_SZ, the
// others REG_DWORD. A value that is missing or of another type reads as its
// default, as it does in the settings program; flags read as 1 or 0.
class SettingsStore {
 public:
  SettingsStore() = default;
  ~SettingsStore();
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  // Opens (creating if need be) the key; false when it cannot.
  bool Open();

  static bool IsKnownKey(std::u16string_view key);
  // The current value of one setting as the protocol writes it.
  std::u16string Load(std::u16string_view key);
  // key=value pairs joined by ";" for every setting; a text value that a
  // reply cannot carry (it holds ";" or does not fit) is left out, so the
  // client keeps its own.
  std::u16string LoadAll();
  // The reply to a SAVE: "OK" or an "Error: " reply.
  std::u16string Save(std::u16string_view key, std::u16string_view value);
  // Whether "SaveCandidates" is on: learned pairs are stored only then. A
  // SAVE of it counts at once; what the settings program writes into the
  // registry counts within kSavesCandidatesRereadMs.
  bool SavesCandidates();
  static constexpr int64_t kSavesCandidatesRereadMs = 200;
  // The installation root: the stored "rootDir", else the default.
  std::u16string RootFolder();

 private:
  std::u16string ReadText(std::u16string_view key, std::u16string_view fallback);
  uint32_t ReadNumber(std::u16string_view key, uint32_t fallback);

  std::mutex lock_;
  HKEY key_ = nullptr;
  std::atomic<bool> savesCandidates_{true};
  std::atomic<int64_t> savesCandidatesReadAt_{INT64_MIN / 2};
  std::mutex rereading_;
};
