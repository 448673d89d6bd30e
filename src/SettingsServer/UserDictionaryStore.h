#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "Platform.h"

// The learned pairs (typed keys and chosen text), in the server's own
// registry key "Software\Hollin\Lutem Settings Server\User Dictionary". Each
// pair is one REG_SZ value "keys:text" named by its learning number, so each
// learning is one committed write and the numbers give the order in which
// pairs were learned. A key learned again moves to the newest place: the new
// value is written before the old one is removed, and a start that finds
// both (a crash between the two writes) keeps the newer.
//
// Learning is sent without waiting for a reply, often in bursts, and a client
// that finds every pipe instance busy drops its pair. So a pair is taken into
// memory at once (the next LOAD_USER_DICT has it) and written by the store's
// own writer thread in learning order, which keeps the pipe instances free;
// Flush waits until everything taken has been written.
class UserDictionaryStore {
 public:
  UserDictionaryStore() = default;
  ~UserDictionaryStore();
  UserDictionaryStore(const UserDictionaryStore&) = delete;
  UserDictionaryStore& operator=(const UserDictionaryStore&) = delete;

  // Opens the key and reads every stored pair; false when it cannot.
  bool Open();
  // Takes one pair; false when the store is not open.
  bool Learn(const std::u16string& keys, const std::u16string& text);
  // The most recently learned pairs whose lines fit in maxUnits together,
  // as "keys:text" lines joined by U+000A, oldest first. Every pair stays
  // stored; a line that does not fit is passed over for older, shorter ones.
  std::u16string Recent(size_t maxUnits);
  // Blocks until every pair taken so far is written.
  void Flush();
  size_t size();

 private:
  struct Write {
    uint64_t number;
    std::u16string line;
    uint64_t replaces;  // 0 when the keys are new
  };
  void WriteLoop();
  struct Entry {
    uint64_t number;
    std::u16string text;
  };

  std::mutex lock_;
  HKEY key_ = nullptr;
  uint64_t next_ = 1;
  std::map<std::u16string, Entry> byKeys_;
  std::map<uint64_t, std::u16string> byNumber_;

  std::condition_variable queued_;
  std::condition_variable written_;
  std::deque<Write> writes_;
  bool writing_ = false;
  bool stopping_ = false;
  std::thread writer_;
};
