#include "msctf/ContextView.h"

#include <algorithm>

#include "common/FailureSwitch.h"
#include "msctf/TextDocument.h"
#include "msctf/TextRange.h"

namespace platform {
namespace {

const char16_t kViewClass[] = u"LutemStandInDocumentView";

// Registered once per process; classes outlive every window, as on Windows.
bool RegisterViewClass() {
  static const bool registered = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = AsWchar(kViewClass);
    return RegisterClassW(&wc) != 0;
  }();
  return registered;
}

bool IsLineBreak(char16_t c) { return c == u'\r' || c == u'\n'; }

}  // namespace

ContextView::ContextView(std::shared_ptr<TextDocument> document) : document_(std::move(document)) {
  window();
}

ContextView::~ContextView() { Destroy(); }

HRESULT ContextView::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_INVALIDARG;
  *object = nullptr;
  bool known = IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_ITfContextView);
  return Answer(known ? static_cast<ITfContextView*>(this) : nullptr, object);
}

HWND ContextView::window() {
  if (destroyed_) return nullptr;
  if (window_ && IsWindow(window_)) return window_;
  window_ = nullptr;
  if (!RegisterViewClass()) return nullptr;
  window_ = CreateWindowExW(0, AsWchar(kViewClass), AsWchar(u"Document"), WS_POPUP | WS_VISIBLE, layout_.left,
                            layout_.top, layout_.width, layout_.height, nullptr, nullptr, nullptr,
                            nullptr);
  return window_;
}

void ContextView::SetLayout(const ViewLayout& layout) {
  layout_ = layout;
  destroyed_ = false;
  HWND existing = window_ && IsWindow(window_) ? window_ : nullptr;
  if (existing) {
    SetWindowPos(existing, nullptr, layout_.left, layout_.top, layout_.width, layout_.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    window();
  }
}

void ContextView::Destroy() {
  destroyed_ = true;
  if (window_ && IsWindow(window_)) DestroyWindow(window_);
  window_ = nullptr;
}

RECT ContextView::ScreenRect() const {
  return RECT{layout_.left, layout_.top, layout_.left + layout_.width,
              layout_.top + layout_.height};
}

POINT ContextView::Place(LONG position) const {
  const std::u16string& text = document_->text();
  POINT place{0, 0};
  for (LONG i = 0; i < position; ++i) {
    char16_t c = text[static_cast<size_t>(i)];
    if (c == u'\n' && i > 0 && text[static_cast<size_t>(i) - 1] == u'\r') continue;
    if (IsLineBreak(c)) {
      place.x = 0;
      ++place.y;
    } else {
      ++place.x;
    }
  }
  return place;
}

HRESULT ContextView::GetRangeFromPoint(TfEditCookie ec, const POINT* ppt, DWORD dwFlags,
                                       ITfRange** ppRange) {
  if (ppRange) *ppRange = nullptr;
  return E_NOTIMPL;
}

HRESULT ContextView::GetTextExt(TfEditCookie ec, ITfRange* pRange, RECT* prc, BOOL* pfClipped) {
  if (prc == nullptr || pfClipped == nullptr || pRange == nullptr) return E_INVALIDARG;
  *prc = RECT{0, 0, 0, 0};
  *pfClipped = FALSE;
  if (ShouldFail("ITfContextView::GetTextExt")) return E_FAIL;
  if (!document_->locks().CanRead(ec)) return TF_E_NOLOCK;
  const TextSpan* span = TextRange::SpanIn(pRange, *document_);
  if (span == nullptr) return E_INVALIDARG;
  if (destroyed_) return TF_E_NOLAYOUT;
  POINT first = Place(span->start());
  LONG minColumn = first.x, maxColumn = first.x, lastLine = first.y;
  const std::u16string& text = document_->text();
  POINT at = first;
  for (LONG i = span->start(); i < span->end(); ++i) {
    char16_t c = text[static_cast<size_t>(i)];
    if (c == u'\n' && i > 0 && text[static_cast<size_t>(i) - 1] == u'\r') continue;
    if (IsLineBreak(c)) {
      at = POINT{0, at.y + 1};
    } else {
      ++at.x;
    }
    minColumn = std::min(minColumn, at.x);
    maxColumn = std::max(maxColumn, at.x);
    lastLine = at.y;
  }
  RECT whole{layout_.left + minColumn * layout_.advance, layout_.top + first.y * layout_.lineHeight,
             layout_.left + maxColumn * layout_.advance,
             layout_.top + (lastLine + 1) * layout_.lineHeight};
  RECT view = ScreenRect();
  RECT clipped{std::clamp(whole.left, view.left, view.right),
               std::clamp(whole.top, view.top, view.bottom),
               std::clamp(whole.right, view.left, view.right),
               std::clamp(whole.bottom, view.top, view.bottom)};
  *prc = clipped;
  *pfClipped = (clipped.left != whole.left || clipped.top != whole.top ||
                clipped.right != whole.right || clipped.bottom != whole.bottom)
                   ? TRUE
                   : FALSE;
  return S_OK;
}

HRESULT ContextView::GetScreenExt(RECT* prc) {
  if (prc == nullptr) return E_INVALIDARG;
  *prc = RECT{0, 0, 0, 0};
  if (destroyed_) return TF_E_NOLAYOUT;
  *prc = ScreenRect();
  return S_OK;
}

HRESULT ContextView::GetWnd(HWND* phwnd) {
  if (phwnd == nullptr) return E_INVALIDARG;
  *phwnd = nullptr;
  if (ShouldFail("ITfContextView::GetWnd")) return E_FAIL;
  *phwnd = window();
  return S_OK;
}

}  // namespace platform
