#include "user32/ModalDialog.h"

#include <map>
#include <mutex>

namespace platform {
namespace {

struct Registry {
  std::mutex lock;
  std::map<HWND, std::shared_ptr<ModalDialog>> dialogs;
};

Registry& Dialogs() {
  static Registry* registry = new Registry;  // dialogs may end during static destruction
  return *registry;
}

}  // namespace

std::shared_ptr<ModalDialog> ModalDialog::Of(HWND dialog) {
  Registry& registry = Dialogs();
  std::lock_guard<std::mutex> hold(registry.lock);
  auto found = registry.dialogs.find(dialog);
  return found == registry.dialogs.end() ? nullptr : found->second;
}

void ModalDialog::Add(HWND dialog, std::shared_ptr<ModalDialog> record) {
  Registry& registry = Dialogs();
  std::lock_guard<std::mutex> hold(registry.lock);
  registry.dialogs[dialog] = std::move(record);
}

void ModalDialog::Remove(HWND dialog) {
  Registry& registry = Dialogs();
  std::lock_guard<std::mutex> hold(registry.lock);
  registry.dialogs.erase(dialog);
}

}  // namespace platform
