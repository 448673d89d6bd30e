#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <string_view>

#include "Platform.h"

// The learned pairs (typed keys and chosen text), in the server's own
// registry key "Software\Hollin\Lutem Settings Server\User Dictionary". Each
// pair is one REG_SZ value "keys:text" named by its learning number, so each
// learning is one committed write and the numbers give the order in which
// pairs were learned. A key learned again moves to the newest place: the new
// value is written before the old one is removed, and a start that finds
// both (a crash between the two writes) keeps the newer.
class UserDictionaryStore {
 public:
  UserDictionaryStore() = default;
  ~UserDictionaryStore();
  UserDictionaryStore(const UserDictionaryStore&) = delete;
  UserDictionaryStore& operator=(const UserDictionaryStore&) = delete;

  // Opens the key and reads every stored pair; false when it cannot.
  bool Open();
  // Stores one pair; false when the write failed.
  bool Learn(const std::u16string& keys, const std::u16string& text);
  // The most recently learned pairs whose lines fit in maxUnits together,
  // as "keys:text" lines joined by U+000A, oldest first. Every pair stays
  // stored; a line that does not fit is passed over for older, shorter ones.
  std::u16string Recent(size_t maxUnits);
  size_t size();

 private:
  struct Entry {
    uint64_t number;
    std::u16string text;
  };
  void Forget(uint64_t number);

  std::mutex lock_;
  HKEY key_ = nullptr;
  uint64_t next_ = 1;
  std::map<std::u16string, Entry> byKeys_;
  std::map<uint64_t, std::u16string> byNumber_;
};
