// The desktop: every window, the z-order of the top-level ones, the
// foreground window, and the logs of destroyed windows. One lock guards it
// and every Window's fields; it is never held while a procedure runs.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "user32/Window.h"

namespace platform {

class Desktop {
 public:
  static Desktop& Instance();

  std::unique_lock<std::mutex> Hold() { return std::unique_lock<std::mutex>(lock_); }

  // The rest needs Hold().
  std::shared_ptr<Window> Find(HWND handle) const;
  // The same, with ERROR_INVALID_WINDOW_HANDLE when the window is not there.
  std::shared_ptr<Window> FindOrFail(HWND handle) const;
  void Add(const std::shared_ptr<Window>& window);
  // Takes the window out of the desktop; its log stays readable.
  void Remove(HWND handle);
  std::vector<HWND>& TopLevel() { return topLevel_; }  // the top of the z-order first
  std::vector<std::shared_ptr<Window>> All() const;
  // The log of a live or destroyed window; null for a handle never seen.
  std::vector<host::LoggedMessage>* LogOf(HWND handle);
  std::vector<host::Invalidation>* InvalidationsOf(HWND handle);

  // Moves a top-level window to its place in the z-order: HWND_TOP,
  // HWND_BOTTOM, HWND_TOPMOST, HWND_NOTOPMOST or after a given window,
  // keeping topmost windows above the others. Children move among their
  // siblings the same way.
  void Reorder(Window& window, HWND insertAfter);
  // The window rectangle and the client area's top-left in screen
  // coordinates, and the client rectangle (0, 0, width, height).
  RECT ScreenRect(const Window& window) const;
  POINT ClientOrigin(const Window& window) const;
  RECT ClientRect(const Window& window) const;
  // The window and its ancestors are all visible; all enabled.
  bool IsShowing(const Window& window) const;
  bool IsEnabled(const Window& window) const;
  HWND TopLevelOf(HWND handle) const;
  // The thread that owns the window; 0 (ERROR_INVALID_WINDOW_HANDLE) when
  // it is not there. Takes the lock itself.
  DWORD OwnerThread(HWND handle);

  HWND foreground = nullptr;

 private:
  struct DeadLogs {
    std::vector<host::LoggedMessage> messages;
    std::vector<host::Invalidation> invalidations;
  };

  std::vector<HWND>& SiblingsOf(const Window& window);
  // Whether the window and every ancestor up to its top-level window pass.
  bool UpToTop(const Window& window, bool (*passes)(const Window&)) const;

  mutable std::mutex lock_;
  std::unordered_map<uintptr_t, std::shared_ptr<Window>> windows_;
  std::vector<HWND> topLevel_;
  std::map<uintptr_t, DeadLogs> deadLogs_;
};

}  // namespace platform
