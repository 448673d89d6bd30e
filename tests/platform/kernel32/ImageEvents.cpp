#include "platform/kernel32/ImageEvents.h"

#include <mutex>

namespace {

std::mutex lock;
std::vector<std::string> events;

}  // namespace

extern "C" __attribute__((visibility("default"))) void LutemTestModuleEvent(const char* event) {
  std::lock_guard<std::mutex> hold(lock);
  events.push_back(event);
}

namespace image_events {

std::vector<std::string> Events() {
  std::lock_guard<std::mutex> hold(lock);
  return events;
}

void Clear() {
  std::lock_guard<std::mutex> hold(lock);
  events.clear();
}

}  // namespace image_events
