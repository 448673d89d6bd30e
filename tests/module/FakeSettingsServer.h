#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A settings server inside the test program, on the stand-in's settings
// pipe, with the protocol's words and the stored values of a fresh user:
// LOAD_ALL gives the stored pairs, SAVE stores one, LOAD gives one value,
// LOAD_USER_DICT nothing, SETTINGS and ABOUT "OK". A test can keep it from
// answering (Silent: it reads each request and never replies), hold one
// command's reply back for a while, and read the requests it served in the
// order they came.
class FakeSettingsServer {
 public:
  enum class Mode { Answer, Silent };

  explicit FakeSettingsServer(Mode mode = Mode::Answer);
  // Stops serving; a silent connection is let go.
  ~FakeSettingsServer();
  FakeSettingsServer(const FakeSettingsServer&) = delete;
  FakeSettingsServer& operator=(const FakeSettingsServer&) = delete;

  void Store(const std::u16string& key, const std::u16string& value);
  std::u16string Stored(const std::u16string& key);
  // Replies to requests that begin with command come after delay.
  void Delay(const std::u16string& command, std::chrono::milliseconds delay);
  // Requests answered so far (silent ones included), oldest first.
  std::vector<std::u16string> Requests();

 private:
  // Enough that a busy machine, which may hold a thread between two of its
  // instances, never finds them all in use: the client does not retry.
  static constexpr int kInstances = 16;

  void Serve();
  std::u16string Reply(const std::u16string& request);

  Mode mode_;
  std::atomic<bool> stopping_{false};
  std::mutex lock_;
  std::condition_variable stopped_;
  std::map<std::u16string, std::u16string> settings_;
  std::map<std::u16string, std::chrono::milliseconds> delays_;
  std::vector<std::u16string> requests_;
  std::vector<std::thread> threads_;
  std::atomic<int> listening_{0};
};
