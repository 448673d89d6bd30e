// GetSysColor (platform/user32/WinSysColors.h, host/user32/SystemColors.h).
#include "host/user32/SystemColors.h"

#include <map>
#include <mutex>

#include "Platform.h"

namespace {

struct Colors {
  std::mutex lock;
  std::map<int, COLORREF> overrides;
};

Colors& Overrides() {
  static Colors* colors = new Colors;
  return *colors;
}

// Windows 10's default scheme.
COLORREF DefaultColor(int index) {
  switch (index) {
    case COLOR_WINDOW:
      return RGB(255, 255, 255);
    case COLOR_WINDOWTEXT:
      return RGB(0, 0, 0);
    case COLOR_HIGHLIGHT:
      return RGB(0, 120, 215);
    case COLOR_HIGHLIGHTTEXT:
      return RGB(255, 255, 255);
    case COLOR_BTNFACE:
      return RGB(240, 240, 240);
    case COLOR_GRAYTEXT:
      return RGB(109, 109, 109);
    case COLOR_BTNTEXT:
      return RGB(0, 0, 0);
    default:
      return 0;
  }
}

}  // namespace

DWORD GetSysColor(int index) {
  Colors& colors = Overrides();
  std::lock_guard<std::mutex> hold(colors.lock);
  auto found = colors.overrides.find(index);
  return found != colors.overrides.end() ? found->second : DefaultColor(index);
}

namespace host {

void SetSystemColor(int index, COLORREF color) {
  Colors& colors = Overrides();
  std::lock_guard<std::mutex> hold(colors.lock);
  colors.overrides[index] = color;
}

void ResetSystemColors() {
  Colors& colors = Overrides();
  std::lock_guard<std::mutex> hold(colors.lock);
  colors.overrides.clear();
}

}  // namespace host
