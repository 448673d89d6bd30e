#include "service/candidate/CCandidateWindow.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdint>
#include <memory>
#include <new>

#include "common/CandidateWindowNames.h"
#include "service/candidate/CandidatePainter.h"
#include "service/candidate/LayeredBitmap.h"
#include "service/candidate/MeasuringGraphics.h"
#include "service/candidate/ThemeManager.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

// The product's own face; GDI+'s generic sans-serif stands in where it is
// not installed.
const WCHAR kFontFamily[] = TEXT("Selvu Sans Bangla");
const WCHAR kMeasuredLetter[] = TEXT("W");
constexpr int kFontPixels = 16;
constexpr int kRowPadding = 10;
constexpr int kWidestPadding = 50;
constexpr int kMinimumWidth = 148;
constexpr int kVerticalMargin = 5;
constexpr int kRowsShown = 7;

// Numbered by RegisterWindowMessageW the first time a candidate window
// handles a message, and again while that failed. Windows of several UI
// threads may ask at once; every caller gets the same number.
std::atomic<UINT> themeUpdateMessage{0};

GdiplusPtr<GpFont> MakeFont(GpFontFamily* family, REAL size) {
  GpFont* made = nullptr;
  if (family == nullptr || GdipCreateFont(family, size, FontStyleBold, UnitPixel, &made) != Ok)
    return nullptr;
  return GdiplusPtr<GpFont>(made);
}

GdiplusPtr<GpFont> MakeCandidateFont(REAL size) {
  GpFontFamily* named = nullptr;
  if (GdipCreateFontFamilyFromName(kFontFamily, nullptr, &named) == Ok) {
    GdiplusPtr<GpFontFamily> family(named);
    if (GdiplusPtr<GpFont> font = MakeFont(named, size)) return font;
  }
  GpFontFamily* generic = nullptr;
  if (GdipGetGenericFontFamilySansSerif(&generic) != Ok) return nullptr;
  GdiplusPtr<GpFontFamily> family(generic);
  return MakeFont(generic, size);
}

POINT PointFromLParam(LPARAM lParam) {
  return POINT{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
}

void SetSystemCursor(LPCWSTR id) { SetCursor(LoadCursorW(nullptr, id)); }

}  // namespace

CCandidateWindow::CCandidateWindow(const LutemIMEArray<unsigned long>* labels,
                                   CandidateWindowCallback callback, void* callbackContext,
                                   UINT widthChars)
    : pages(labels != nullptr ? static_cast<UINT>(labels->Count()) : 1),
      backgroundBrush(MakeSolidBrush(colors.windowBackground)),
      widthChars(widthChars),
      labels(labels),
      callback(callback),
      callbackContext(callbackContext) {}

CCandidateWindow::~CCandidateWindow() { ClearList(); }

void CCandidateWindow::Move(int x, int y) { CBaseWindow::Move(x, y); }

void CCandidateWindow::Show(BOOL show) {
  if (hwnd == nullptr) {
    visible = show;
    return;
  }
  // A hidden window is painted by its WM_SHOWWINDOW; one already shown is
  // painted again here, as callers expect.
  const BOOL wasVisible = IsWindowVisible(hwnd);
  ShowWindow(hwnd, show ? SW_SHOWNA : SW_HIDE);
  if (show && wasVisible) Render();
}

void CCandidateWindow::SetColors(const ThemeColors& newColors) {
  colors = newColors;
  backgroundBrush = MakeSolidBrush(colors.windowBackground);
  if (IsVisible()) Render();
}

void CCandidateWindow::AddString(const CCandidateListItem& item) {
  std::unique_ptr<MeasuringGraphics> measuring;
  AppendItem(item, &measuring);
}

void CCandidateWindow::AddStrings(const LutemIMEArray<CCandidateListItem>& list) {
  std::unique_ptr<MeasuringGraphics> measuring;
  for (size_t i = 0; i < list.Count(); ++i) AppendItem(*list.GetAt(i), &measuring);
}

void CCandidateWindow::AppendItem(const CCandidateListItem& item,
                                  std::unique_ptr<MeasuringGraphics>* measuring) {
  const size_t before = items.Count();
  try {
    shownUnits.resize(before + 1, 0);
    shownLimits.resize(before + 1, 0);
    if (item.length == 0 || item.text == nullptr) {
      items.Append();
    } else if (item.length < PTRDIFF_MAX / sizeof(WCHAR)) {  // else no buffer can hold it
      std::unique_ptr<WCHAR[]> copy(new (std::nothrow) WCHAR[item.length + 1]);
      if (copy) {
        std::copy_n(item.text, item.length, copy.get());
        copy[item.length] = 0;
        AppendOwnedCandidate(&items, std::move(copy), item.length);
      }
    }
  } catch (const std::exception&) {
    // No memory for the list's own records: the item is left out.
  }
  shownUnits.resize(items.Count());
  shownLimits.resize(items.Count());
  if (items.Count() == before) return;
  pages.SetItemCount(static_cast<UINT>(items.Count()));
  MeasureWidest(before, measuring);
}

void CCandidateWindow::MeasureWidest(size_t index, std::unique_ptr<MeasuringGraphics>* measuring) {
  const CCandidateListItem& item = *items.GetAt(index);
  float width = 0;
  shownUnits[index] = item.length;
  shownLimits[index] = 0;
  if (font && item.text != nullptr && item.length != 0) {
    const INT length = static_cast<INT>(std::min<uint64_t>(item.length, INT_MAX));
    // Any width past every screen is cut to the work area: no more than
    // that much of the text need be laid out.
    const float limit =
        wholeText ? 0.0f : static_cast<float>(GetSystemMetrics(SM_CXVIRTUALSCREEN));
    if (const CandidateMeasures::Entry* known = measures.Find(item.text, item.length, limit)) {
      measures.Add(item.text, item.length, static_cast<INT>(known->shown.size()), limit,
                   known->width);
      width = known->width;
      shownUnits[index] = known->shown.size();
      shownLimits[index] = limit;
    } else {
      if (!*measuring) *measuring = std::make_unique<MeasuringGraphics>(hwnd);
      const INT shown =
          wholeText ? length : (*measuring)->VisibleLength(font.get(), item.text, length, limit);
      if ((*measuring)->TextWidth(font.get(), item.text, shown, &width)) {
        measures.Add(item.text, item.length, shown, limit, width);
        shownUnits[index] = static_cast<uint64_t>(shown);
        shownLimits[index] = limit;
      } else {
        width = 0;
      }
    }
  }
  const UINT needed = static_cast<UINT>(width) + static_cast<UINT>(Scaled(kWidestPadding));
  widest = std::max(widest, needed);
}

void CCandidateWindow::ClearList() {
  items.Clear();
  pages.Clear();
  widest = 0;
  shownUnits.clear();
  shownLimits.clear();
  measures.NextList();
}

void CCandidateWindow::SetWholeText(bool whole) {
  if (whole != wholeText) measures.Forget();
  wholeText = whole;
}

// The work area of the monitor the window is on (nearest to it), else the
// primary one's; empty when neither can be had.
RECT CCandidateWindow::WorkArea(const RECT& place) const {
  RECT work = {};
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof(monitor);
  HMONITOR nearest = hwnd != nullptr ? MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST)
                                     : MonitorFromRect(&place, MONITOR_DEFAULTTONEAREST);
  if (nearest != nullptr && GetMonitorInfoW(nearest, &monitor)) return monitor.rcWork;
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) work = RECT{};
  return work;
}

void CCandidateWindow::ResizeToContent() {
  RECT now = {};
  GetWindowRect(&now);
  UINT width = std::max(widest, static_cast<UINT>(Scaled(kMinimumWidth)));
  // Never wider than the screen it is on: a candidate too long for that is
  // drawn cut, with an ellipsis at its end, and a choice still takes it whole.
  const RECT work = WorkArea(now);
  if (work.right > work.left) width = std::min(width, static_cast<UINT>(work.right - work.left));
  const UINT height = kRowsShown * itemHeight + 2 * static_cast<UINT>(Scaled(kVerticalMargin));
  Resize(now.left, now.top, static_cast<int>(width), static_cast<int>(height));
}

void CCandidateWindow::Render() {
  if (hwnd == nullptr || !IsWindowVisible(hwnd)) return;
  Paint();
}

void CCandidateWindow::RememberPage(UINT page, UINT first, CandidatePicture* picture) const {
  picture->hasPage = true;
  picture->page = page;
  picture->first = first;
  const uint64_t count = items.Count();
  for (UINT r = 0; r < pages.PageSize() && uint64_t{first} + r < count; ++r) {
    CandidatePicture::Row row;
    const unsigned long* label = labels != nullptr ? labels->GetAt(r) : nullptr;
    row.hasLabel = label != nullptr;
    row.label = label != nullptr ? *label : 0;
    const CCandidateListItem* item = items.GetAt(first + r);
    if (item != nullptr && item->text != nullptr) {
      const uint64_t shown = std::min(shownUnits[first + r], item->length);
      row.shown.assign(AsChar16(item->text), static_cast<size_t>(shown));
      row.cut = shown < item->length;
      // The row draws no further than the measure laid out only while its
      // box is no wider than what the measure was cut against.
      if (row.cut && !(static_cast<float>(picture->width) - 35 * Scale() <= shownLimits[first + r]))
        picture->known = false;
    }
    picture->rows.push_back(std::move(row));
  }
}

void CCandidateWindow::Paint() {
  if (hwnd == nullptr) return;
  RECT place = {};
  if (!::GetWindowRect(hwnd, &place)) return;
  const int width = place.right - place.left;
  const int height = place.bottom - place.top;
  if (width < 1 || height < 1) return;

  UINT page = 0;
  UINT first = 0;
  const bool hasPage = pages.CurrentPage(&page);
  // The short-page fill belongs to every paint, drawn or not.
  if (hasPage) pages.FillLastPage(&page, &first);

  CandidatePicture picture;
  picture.known = true;
  picture.window = hwnd;
  picture.width = width;
  picture.height = height;
  picture.dpi = dpi;
  picture.font = fontNumber;
  picture.background = backgroundBrush != nullptr;
  picture.colors = colors;
  picture.itemHeight = itemHeight;
  picture.pageCount = pages.PageCount();
  picture.selection = pages.Selection();
  picture.wholeText = wholeText;
  if (hasPage) RememberPage(page, first, &picture);
  if (picture.known && picture == presented) return;
  presented = CandidatePicture();

  LayeredBitmap bitmap(width, height);
  if (!bitmap.ok()) return;
  bool complete = false;
  {
    CandidatePainter painter(bitmap.dc(), width, height, Scale(), colors);
    painter.FillPanel(backgroundBrush.get());
    if (hasPage) {
      CandidateRows rows;
      rows.items = &items;
      rows.labels = labels;
      rows.rowCount = pages.PageSize();
      rows.first = first;
      rows.selection = pages.Selection();
      rows.itemHeight = itemHeight;
      rows.font = font.get();
      rows.wholeText = wholeText;
      painter.DrawItems(rows);
    }
    painter.DrawPageDots(pages.PageCount(), page);
    painter.DrawBorder();
    complete = painter.Complete();
  }  // GDI+ lets go of the bitmap before the screen gets it
  // A picture drawn only in part is shown, but painted again next time.
  if (!bitmap.Present(hwnd, POINT{place.left, place.top})) return;
  painted = true;
  if (complete && picture.known) presented = std::move(picture);
}

BOOL CCandidateWindow::MovePage(int direction) {
  if (!pages.MovePage(direction)) return FALSE;
  Render();
  return TRUE;
}

BOOL CCandidateWindow::MoveSelection(int delta) {
  if (!pages.MoveSelection(delta)) return FALSE;
  Render();
  return TRUE;
}

void CCandidateWindow::CreateFont() {
  // A font that cannot be made keeps the one there was, and its metrics.
  if (GdiplusPtr<GpFont> made = MakeCandidateFont(static_cast<REAL>(Scaled(kFontPixels)))) {
    font = std::move(made);
    ++fontNumber;
    measures.Forget();
  }
  backgroundBrush = MakeSolidBrush(colors.windowBackground);
  if (!font) return;

  MeasuringGraphics measuring(hwnd);
  REAL fontHeight = 0;
  if (measuring.get() == nullptr ||
      GdipGetFontHeight(font.get(), measuring.get(), &fontHeight) != Ok)
    return;
  itemHeight = static_cast<UINT>(Scale() * kRowPadding + fontHeight);
  float letter = 0;
  if (measuring.TextWidth(font.get(), kMeasuredLetter, 1, &letter))
    minWidth = static_cast<UINT>(static_cast<float>(widthChars) * letter);
}

CCandidateWindow::RowHit CCandidateWindow::RowAt(POINT point, UINT* item) {
  UINT page = 0;
  if (!pages.CurrentPage(&page)) return RowHit::NoPages;
  const uint64_t first = pages.PageStarts()[page];
  RECT client = {};
  GetClientRect(&client);
  // The rightmost strip is left to the page dots; the boxes start at the
  // top edge, without the rows' drawn offset.
  const LONG right = client.right - 2 * GetSystemMetrics(SM_CXVSCROLL);
  for (UINT r = 0; r < pages.PageSize() && first + r < pages.ItemCount(); ++r) {
    const LONG top = client.top + static_cast<LONG>(r * itemHeight);
    const RECT box = {client.left, top, right, top + static_cast<LONG>(itemHeight)};
    if (PtInRect(&box, point)) {
      *item = static_cast<UINT>(first + r);
      return RowHit::Row;
    }
  }
  return RowHit::Miss;
}

void CCandidateWindow::OnLButtonDown(POINT point) {
  UINT item = 0;
  const RowHit hit = RowAt(point, &item);
  if (hit == RowHit::NoPages) return;
  if (hit == RowHit::Miss) {
    SetSystemCursor(IDC_ARROW);
    return;
  }
  if (callback == nullptr) return;
  SetSystemCursor(IDC_HAND);
  pages.SetSelection(item);
  Render();
  // The callback may delete this object: nothing may touch it afterwards.
  const CandidateWindowCallback call = callback;
  call(callbackContext, 0);
}

void CCandidateWindow::OnMouseMove(POINT point) {
  RECT client = {};
  GetClientRect(&client);
  SetSystemCursor(PtInRect(&client, point) ? IDC_HAND : IDC_ARROW);
}

void CCandidateWindow::OnSetCursor(HWND window, WORD mouseMessage) {
  POINT point = {};
  GetCursorPos(&point);
  ScreenToClient(window, &point);
  if (mouseMessage == WM_MOUSEMOVE) {
    OnMouseMove(point);
  } else if (mouseMessage == WM_LBUTTONDOWN) {
    // Only the cursor the click will show: the WM_LBUTTONDOWN that follows
    // is the click, and choosing here as well would commit twice.
    UINT item = 0;
    const RowHit hit = RowAt(point, &item);
    if (hit == RowHit::Miss) SetSystemCursor(IDC_ARROW);
    if (hit == RowHit::Row && callback != nullptr) SetSystemCursor(IDC_HAND);
  }
}

void CCandidateWindow::OnMouseWheel(short delta) {
  if (items.Count() == 0 || delta == 0) return;
  // Away from the user is up the list.
  pages.WrapSelection(delta > 0 ? -1 : +1);
  Render();
}

void CCandidateWindow::OnVScroll(WORD code, WORD position) {
  switch (code) {
    case SB_LINEUP:
      pages.MoveSelection(-1);
      break;
    case SB_LINEDOWN:
      pages.MoveSelection(+1);
      break;
    case SB_PAGEUP:
      pages.MovePage(-1);
      break;
    case SB_PAGEDOWN:
      pages.MovePage(+1);
      break;
    case SB_THUMBPOSITION:
      if (position < items.Count()) {
        pages.SetSelection(position);
        pages.RebuildPagesAroundSelection();
      }
      break;
    default:
      return;
  }
  Render();
}

void CCandidateWindow::OnWindowPosChanged(HWND window, const WINDOWPOS* position) {
  if (position == nullptr) return;
  const UINT flags = position->flags;
  DWORD event = 0;
  if (flags & SWP_SHOWWINDOW)
    event = EVENT_OBJECT_IME_SHOW;
  else if (flags & SWP_HIDEWINDOW)
    event = EVENT_OBJECT_IME_HIDE;
  else if ((flags & (SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW)) !=
               (SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW) &&
           IsWindowVisible(window))
    event = EVENT_OBJECT_IME_CHANGE;
  if (event != 0) NotifyWinEvent(event, window, OBJID_CLIENT, CHILDID_SELF);
}

void CCandidateWindow::OnDpiChanged(HWND window, UINT newDpi, const RECT* suggested) {
  if (newDpi != 0) dpi = newDpi;
  CreateFont();
  // The widths were measured in the old DPI's font; measured again, a long
  // candidate keeps its whole text on the new monitor.
  widest = 0;
  std::unique_ptr<MeasuringGraphics> measuring;
  for (size_t i = 0; i < items.Count(); ++i) MeasureWidest(i, &measuring);
  if (suggested != nullptr)
    SetWindowPos(window, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  ResizeToContent();
  Render();
}

void CCandidateWindow::OnThemeUpdate() {
  RefreshThemeIdFromServer();
  SetColors(LoadAndAnnounceThemeUpdate());
}

LRESULT CCandidateWindow::HandleMessage(HWND window, UINT message, WPARAM wParam,
                                        LPARAM lParam) {
  UINT themeMessage = themeUpdateMessage.load(std::memory_order_relaxed);
  if (themeMessage == 0) {
    themeMessage =
        RegisterWindowMessageW(AsWchar(CandidateWindowNames::themeUpdateMessage.data()));
    themeUpdateMessage.store(themeMessage, std::memory_order_relaxed);
  }
  if (themeMessage != 0 && message == themeMessage) {
    OnThemeUpdate();
    return 0;
  }

  switch (message) {
    case WM_CREATE: {
      const UINT windowDpi = GetDpiForWindow(window);
      if (windowDpi != 0) dpi = windowDpi;
      CreateFont();
      return 0;
    }
    case WM_DESTROY:
      return 0;
    case WM_SHOWWINDOW:
      // Sent before the window shows, while it still counts as hidden. A
      // layered window shows nothing until its first picture, so a new
      // window with no items yet waits for the paint its list brings.
      if (wParam && (painted || items.Count() != 0)) Paint();
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_SETCURSOR:
      OnSetCursor(window, HIWORD(lParam));
      return TRUE;
    case WM_MOUSEACTIVATE: {
      const WORD button = HIWORD(lParam);
      if (button == WM_LBUTTONDOWN || button == WM_RBUTTONDOWN || button == WM_MBUTTONDOWN)
        return MA_NOACTIVATE;
      return DefWindowProcW(window, message, wParam, lParam);
    }
    case WM_POINTERACTIVATE:
      return PA_NOACTIVATE;
    case WM_WINDOWPOSCHANGED:
      OnWindowPosChanged(window, reinterpret_cast<const WINDOWPOS*>(lParam));
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_MOUSEMOVE:
      OnMouseMove(PointFromLParam(lParam));
      return 0;
    case WM_LBUTTONDOWN:
      OnLButtonDown(PointFromLParam(lParam));
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      return 0;
    case WM_MOUSEWHEEL:
      OnMouseWheel(static_cast<short>(HIWORD(wParam)));
      return 0;
    case WM_VSCROLL:
      OnVScroll(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(window, HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}
