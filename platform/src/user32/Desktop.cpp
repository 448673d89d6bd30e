#include "user32/Desktop.h"

#include <algorithm>

#include "user32/SystemMetrics.h"

namespace platform {
namespace {

uintptr_t Key(HWND handle) { return reinterpret_cast<uintptr_t>(handle); }

}  // namespace

Desktop& Desktop::Instance() {
  static Desktop* desktop = new Desktop;  // windows may outlive static destructors
  return *desktop;
}

std::shared_ptr<Window> Desktop::Find(HWND handle) const {
  auto found = windows_.find(Key(handle));
  return found == windows_.end() ? nullptr : found->second;
}

std::shared_ptr<Window> Desktop::FindOrFail(HWND handle) const {
  std::shared_ptr<Window> window = Find(handle);
  if (!window) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return window;
}

DWORD Desktop::OwnerThread(HWND handle) {
  std::lock_guard<std::mutex> hold(lock_);
  std::shared_ptr<Window> window = FindOrFail(handle);
  return window ? window->threadId : 0;
}

void Desktop::Add(const std::shared_ptr<Window>& window) {
  windows_.emplace(Key(window->handle), window);
  if (!window->IsChild()) {
    topLevel_.insert(topLevel_.begin(), window->handle);
    Reorder(*window, (window->exStyle & WS_EX_TOPMOST) ? HWND_TOPMOST : HWND_TOP);
  } else if (auto parent = Find(window->parent)) {
    parent->children.push_back(window->handle);
  }
}

void Desktop::Remove(HWND handle) {
  auto found = windows_.find(Key(handle));
  if (found == windows_.end()) return;
  std::shared_ptr<Window> window = found->second;
  windows_.erase(found);
  std::vector<HWND>& siblings = SiblingsOf(*window);
  siblings.erase(std::remove(siblings.begin(), siblings.end(), handle), siblings.end());
  if (foreground == handle) foreground = nullptr;
  deadLogs_[Key(handle)] = DeadLogs{std::move(window->log), std::move(window->invalidations)};
}

std::vector<std::shared_ptr<Window>> Desktop::All() const {
  std::vector<std::shared_ptr<Window>> all;
  for (const auto& [key, window] : windows_) all.push_back(window);
  return all;
}

std::vector<host::LoggedMessage>* Desktop::LogOf(HWND handle) {
  if (auto window = Find(handle)) return &window->log;
  auto dead = deadLogs_.find(Key(handle));
  return dead == deadLogs_.end() ? nullptr : &dead->second.messages;
}

std::vector<host::Invalidation>* Desktop::InvalidationsOf(HWND handle) {
  if (auto window = Find(handle)) return &window->invalidations;
  auto dead = deadLogs_.find(Key(handle));
  return dead == deadLogs_.end() ? nullptr : &dead->second.invalidations;
}

std::vector<HWND>& Desktop::SiblingsOf(const Window& window) {
  if (window.IsChild())
    if (auto parent = Find(window.parent)) return parent->children;
  return topLevel_;
}

void Desktop::Reorder(Window& window, HWND insertAfter) {
  std::vector<HWND>& siblings = SiblingsOf(window);
  siblings.erase(std::remove(siblings.begin(), siblings.end(), window.handle), siblings.end());
  if (!window.IsChild()) {
    if (insertAfter == HWND_TOPMOST) window.exStyle |= WS_EX_TOPMOST;
    if (insertAfter == HWND_NOTOPMOST) window.exStyle &= ~static_cast<DWORD>(WS_EX_TOPMOST);
  }
  bool topmost = !window.IsChild() && (window.exStyle & WS_EX_TOPMOST);
  auto isTopmost = [&](HWND h) {
    auto w = Find(h);
    return w && !w->IsChild() && (w->exStyle & WS_EX_TOPMOST);
  };
  // The band a window lives in: topmost windows before the others.
  auto bandStart = topmost ? siblings.begin()
                           : std::find_if_not(siblings.begin(), siblings.end(), isTopmost);
  auto bandEnd = topmost ? std::find_if_not(siblings.begin(), siblings.end(), isTopmost)
                         : siblings.end();
  auto place = bandStart;
  if (insertAfter == HWND_BOTTOM) {
    place = bandEnd;
  } else if (insertAfter != HWND_TOP && insertAfter != HWND_TOPMOST &&
             insertAfter != HWND_NOTOPMOST) {
    auto after = std::find(bandStart, bandEnd, insertAfter);
    place = after == bandEnd ? bandStart : after + 1;
  }
  siblings.insert(place, window.handle);
}

RECT Desktop::ScreenRect(const Window& window) const {
  RECT rect = window.rect;
  if (window.IsChild()) {
    if (auto parent = Find(window.parent)) {
      POINT origin = ClientOrigin(*parent);
      rect.left += origin.x;
      rect.right += origin.x;
      rect.top += origin.y;
      rect.bottom += origin.y;
    }
  }
  return rect;
}

POINT Desktop::ClientOrigin(const Window& window) const {
  RECT screen = ScreenRect(window);
  RECT insets = SystemMetrics::Instance().NonClientInsets(window.style, window.exStyle, true);
  return POINT{screen.left + insets.left, screen.top + insets.top};
}

RECT Desktop::ClientRect(const Window& window) const {
  RECT insets = SystemMetrics::Instance().NonClientInsets(window.style, window.exStyle, true);
  LONG width = window.Width() - insets.left - insets.right;
  LONG height = window.Height() - insets.top - insets.bottom;
  return RECT{0, 0, std::max<LONG>(width, 0), std::max<LONG>(height, 0)};
}

bool Desktop::UpToTop(const Window& window, bool (*passes)(const Window&)) const {
  for (const Window* w = &window; w != nullptr;) {
    if (!passes(*w)) return false;
    if (!w->IsChild()) return true;
    w = Find(w->parent).get();  // the desktop still holds the parent
  }
  return true;
}

bool Desktop::IsShowing(const Window& window) const {
  return UpToTop(window, [](const Window& w) { return w.IsVisibleItself(); });
}

bool Desktop::IsEnabled(const Window& window) const {
  return UpToTop(window, [](const Window& w) { return w.IsEnabledItself(); });
}

HWND Desktop::TopLevelOf(HWND handle) const {
  auto window = Find(handle);
  while (window && window->IsChild()) {
    auto parent = Find(window->parent);
    if (!parent) break;
    window = parent;
  }
  return window ? window->handle : nullptr;
}

}  // namespace platform
