#include "ApplicationWindow.h"

namespace {

const WCHAR kClassName[] = L"LutemCandidateScreensApplication";
// The composition "ami" in Bengali: U+0986 U+09AE U+09BF.
const WCHAR kComposition[] = L"\x0986\x09AE\x09BF";
constexpr int kWidth = 440;
constexpr int kHeight = 420;
constexpr int kTextLeft = 24;
constexpr int kTextTop = 24;
constexpr int kTextHeight = 28;

}  // namespace

bool ApplicationWindow::Create(UINT dpi) {
  dpi_ = dpi;
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = &ApplicationWindow::Procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = kClassName;
  if (RegisterClassW(&windowClass) == 0) return false;
  font_ = CreateFontW(-Scaled(20), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                      DEFAULT_PITCH, L"FreeSans");
  window_ = CreateWindowExW(0, kClassName, L"Lutem Keyboard: the candidate window",
                            WS_OVERLAPPEDWINDOW | WS_VISIBLE, Scaled(40), Scaled(40),
                            Scaled(kWidth), Scaled(kHeight), nullptr, nullptr,
                            windowClass.hInstance, this);
  if (window_ == nullptr) return false;
  UpdateWindow(window_);
  return true;
}

void ApplicationWindow::Destroy() {
  if (window_ != nullptr) DestroyWindow(window_);
  window_ = nullptr;
  if (font_ != nullptr) DeleteObject(font_);
  font_ = nullptr;
}

POINT ApplicationWindow::BelowCaret() const {
  POINT point = {Scaled(kTextLeft), Scaled(kTextTop + kTextHeight + 4)};
  ClientToScreen(window_, &point);
  return point;
}

RECT ApplicationWindow::PictureArea() const {
  RECT area = {};
  GetWindowRect(window_, &area);
  return area;
}

void ApplicationWindow::Paint(HDC dc) const {
  HGDIOBJ previous = SelectObject(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  const int length = static_cast<int>(wcslen(kComposition));
  TextOutW(dc, Scaled(kTextLeft), Scaled(kTextTop), kComposition, length);
  SIZE extent = {};
  GetTextExtentPoint32W(dc, kComposition, length, &extent);
  // The composition's underline and the caret behind it.
  RECT underline = {Scaled(kTextLeft), Scaled(kTextTop + kTextHeight),
                    Scaled(kTextLeft) + extent.cx, Scaled(kTextTop + kTextHeight) + Scaled(1)};
  FillRect(dc, &underline, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  RECT caret = {Scaled(kTextLeft) + extent.cx + Scaled(1), Scaled(kTextTop),
                Scaled(kTextLeft) + extent.cx + Scaled(2), Scaled(kTextTop + kTextHeight)};
  FillRect(dc, &caret, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  SelectObject(dc, previous);
}

LRESULT CALLBACK ApplicationWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<ApplicationWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_PAINT && self != nullptr) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    self->Paint(dc);
    EndPaint(window, &paint);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
