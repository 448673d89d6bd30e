#include "user32/SystemMetrics.h"

#include <algorithm>

#include "user32/MonitorTable.h"

namespace platform {
namespace {

int Fixed(int index) {
  switch (index) {
    case SM_CXVSCROLL: case SM_CYHSCROLL: case SM_CYVTHUMB: case SM_CXHTHUMB:
    case SM_CYVSCROLL: case SM_CXHSCROLL:
      return 17;
    case SM_CYCAPTION: case SM_CYSMCAPTION:
      return 23;
    case SM_CXBORDER: case SM_CYBORDER: case SM_MOUSEPRESENT:
      return 1;
    case SM_CXDLGFRAME: case SM_CYDLGFRAME:
      return 3;
    case SM_CXICON: case SM_CYICON: case SM_CXCURSOR: case SM_CYCURSOR:
      return 32;
    case SM_CYMENU:
      return 20;
    case SM_CXMIN: case SM_CXMINTRACK:
      return 136;
    case SM_CYMIN: case SM_CYMINTRACK:
      return 39;
    case SM_CXSIZE:
      return 36;
    case SM_CYSIZE:
      return 22;
    case SM_CXFRAME: case SM_CYFRAME: case SM_CXDOUBLECLK: case SM_CYDOUBLECLK:
    case SM_CXDRAG: case SM_CYDRAG: case SM_CXPADDEDBORDER:
      return 4;
    case SM_CXEDGE: case SM_CYEDGE:
      return 2;
    case SM_CXSMICON: case SM_CYSMICON:
      return 16;
    default:
      return 0;
  }
}

int FromMonitors(int index) {
  std::vector<Monitor> monitors = MonitorTable::Instance().All();
  const Monitor& primary = monitors.front();
  RECT all = primary.rect;
  for (const Monitor& m : monitors) {
    all.left = std::min(all.left, m.rect.left);
    all.top = std::min(all.top, m.rect.top);
    all.right = std::max(all.right, m.rect.right);
    all.bottom = std::max(all.bottom, m.rect.bottom);
  }
  switch (index) {
    case SM_CXSCREEN: return primary.rect.right - primary.rect.left;
    case SM_CYSCREEN: return primary.rect.bottom - primary.rect.top;
    case SM_CXFULLSCREEN: return primary.work.right - primary.work.left;
    case SM_CYFULLSCREEN: return primary.work.bottom - primary.work.top - Fixed(SM_CYCAPTION);
    case SM_XVIRTUALSCREEN: return all.left;
    case SM_YVIRTUALSCREEN: return all.top;
    case SM_CXVIRTUALSCREEN: return all.right - all.left;
    case SM_CYVIRTUALSCREEN: return all.bottom - all.top;
    case SM_CMONITORS: return static_cast<int>(monitors.size());
    default: return Fixed(index);
  }
}

}  // namespace

SystemMetrics& SystemMetrics::Instance() {
  static SystemMetrics* metrics = new SystemMetrics;
  return *metrics;
}

int SystemMetrics::Get(int index) {
  {
    std::lock_guard<std::mutex> hold(lock_);
    auto found = overrides_.find(index);
    if (found != overrides_.end()) return found->second;
  }
  return FromMonitors(index);
}

void SystemMetrics::Override(int index, int value) {
  std::lock_guard<std::mutex> hold(lock_);
  overrides_[index] = value;
}

void SystemMetrics::Reset() {
  std::lock_guard<std::mutex> hold(lock_);
  overrides_.clear();
}

RECT SystemMetrics::NonClientInsets(DWORD style, DWORD exStyle, bool scrollBars) {
  int border = 0;
  if (style & WS_THICKFRAME)
    border = Get(SM_CXSIZEFRAME) + Get(SM_CXPADDEDBORDER);
  else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME))
    border = Get(SM_CXFIXEDFRAME);
  else if (style & WS_BORDER)
    border = Get(SM_CXBORDER);
  if (exStyle & WS_EX_CLIENTEDGE) border += Get(SM_CXEDGE);
  if (exStyle & WS_EX_STATICEDGE) border += Get(SM_CXBORDER);
  RECT insets{border, border, border, border};
  if ((style & WS_CAPTION) == WS_CAPTION)
    insets.top += Get((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
  if (scrollBars) {
    if (style & WS_VSCROLL) insets.right += Get(SM_CXVSCROLL);
    if (style & WS_HSCROLL) insets.bottom += Get(SM_CYHSCROLL);
  }
  return insets;
}

}  // namespace platform
