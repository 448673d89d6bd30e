#include "user32/PopupMenuScript.h"

namespace platform {

PopupMenuScript& PopupMenuScript::Instance() {
  static PopupMenuScript* script = new PopupMenuScript;
  return *script;
}

void PopupMenuScript::Queue(const MenuChoice& choice) {
  std::lock_guard<std::mutex> hold(lock_);
  choices_.push_back(choice);
}

MenuChoice PopupMenuScript::Next() {
  std::lock_guard<std::mutex> hold(lock_);
  if (choices_.empty()) return MenuChoice{};
  MenuChoice next = choices_.front();
  choices_.pop_front();
  return next;
}

void PopupMenuScript::ClearChoices() {
  std::lock_guard<std::mutex> hold(lock_);
  choices_.clear();
}

void PopupMenuScript::Record(const host::PopupRecord& record) {
  std::lock_guard<std::mutex> hold(lock_);
  records_.push_back(record);
}

std::vector<host::PopupRecord> PopupMenuScript::Records() {
  std::lock_guard<std::mutex> hold(lock_);
  return records_;
}

void PopupMenuScript::ClearRecords() {
  std::lock_guard<std::mutex> hold(lock_);
  records_.clear();
}

}  // namespace platform
