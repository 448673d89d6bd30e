#pragma once

#include <atomic>
#include <cstdint>

// How far the load of one process-wide data file has come. A state leaves
// NotStarted once (to Loading, when its loader is started) and then ends in
// Ready or Failed for the rest of the process: a failed file is not tried
// again while the module stays loaded.
enum class LoadState : int32_t { NotStarted = 0, Loading = 1, Ready = 2, Failed = 3 };

// Both NotStarted until a dictionary engine starts their loaders.
extern std::atomic<LoadState> WordDictionaryState;
extern std::atomic<LoadState> LanguageModelState;

// Every write is an exchange; every read an acquire load, so a reader that
// sees Ready also sees what the loader published before it.
inline void SetLoadState(std::atomic<LoadState>& state, LoadState value) { state.exchange(value); }
inline LoadState ReadLoadState(const std::atomic<LoadState>& state) {
  return state.load(std::memory_order_acquire);
}
inline bool IsLoadReady(const std::atomic<LoadState>& state) {
  return ReadLoadState(state) == LoadState::Ready;
}
