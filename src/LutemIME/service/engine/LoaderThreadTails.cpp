#include "service/engine/LoaderThreadTails.h"

#include <mutex>
#include <vector>

namespace {

struct KeptThreads {
  std::mutex lock;
  std::vector<std::thread> threads;
  // A process that ends while a loader still runs destroys this with the
  // thread still joinable, which would end it at once; it goes detached, as
  // the process takes it down anyway.
  ~KeptThreads() {
    for (std::thread& thread : threads)
      if (thread.joinable()) thread.detach();
  }
};

KeptThreads& Kept() {
  static KeptThreads kept;
  return kept;
}

}  // namespace

void KeepLoaderThread(std::thread thread) noexcept {
  KeptThreads& kept = Kept();
  try {
    std::lock_guard<std::mutex> hold(kept.lock);
    kept.threads.push_back(std::move(thread));
  } catch (...) {
    // No room to keep it: detached, it can at worst outrun an unload, as a
    // detached loader always could.
    if (thread.joinable()) thread.detach();
  }
}

void JoinReleasedLoaderThreads() noexcept {
  KeptThreads& kept = Kept();
  try {
    std::lock_guard<std::mutex> hold(kept.lock);
    for (std::thread& thread : kept.threads)
      if (thread.joinable() && thread.get_id() != std::this_thread::get_id()) thread.join();
    kept.threads.clear();
  } catch (...) {
    // A join that fails leaves the thread kept; the next question tries again.
  }
}
