// The one view of a context (ITfContextView, as its reference describes
// it), laid out as the host says (host/msctf/Views.h), with a real window:
// a visible top-level pop-up window of the view's rectangle, made with the
// context on the context's thread and destroyed with it.
//
// GetTextExt wants a cookie of a lock held on the document (TF_E_NOLOCK)
// and a range of it (E_INVALIDARG). It gives the screen rectangle that
// holds every unit boundary of the range (an empty range: a caret, zero
// wide, one line high), clipped to the view's rectangle, with *pfClipped
// TRUE when clipping changed it. A destroyed view has no layout
// (TF_E_NOLAYOUT) and no window. GetRangeFromPoint is E_NOTIMPL.
//
// Failure switches: "ITfContextView::GetTextExt",
// "ITfContextView::GetWnd" (E_FAIL); making the window goes through
// CreateWindowExW and its switch.
#pragma once

#include <memory>

#include "Platform.h"
#include "msctf/ComObject.h"
#include "host/msctf/Views.h"

namespace platform {

using host::ViewLayout;

class TextDocument;

class ContextView final : public ComObject<ITfContextView> {
 public:
  explicit ContextView(std::shared_ptr<TextDocument> document);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  // ITfContextView
  HRESULT STDMETHODCALLTYPE GetRangeFromPoint(TfEditCookie ec, const POINT* ppt, DWORD dwFlags,
                                              ITfRange** ppRange) override;
  HRESULT STDMETHODCALLTYPE GetTextExt(TfEditCookie ec, ITfRange* pRange, RECT* prc,
                                       BOOL* pfClipped) override;
  HRESULT STDMETHODCALLTYPE GetScreenExt(RECT* prc) override;
  HRESULT STDMETHODCALLTYPE GetWnd(HWND* phwnd) override;

  const ViewLayout& layout() const { return layout_; }
  // The host moves or resizes the view, or makes it again after Destroy.
  void SetLayout(const ViewLayout& layout);
  void Destroy();
  bool destroyed() const { return destroyed_; }
  // The view's window, made again when the desktop lost it; null while the
  // view is destroyed.
  HWND window();

 private:
  ~ContextView() override;
  RECT ScreenRect() const;
  // Where the unit boundary at position stands: (column, line).
  POINT Place(LONG position) const;

  std::shared_ptr<TextDocument> document_;
  ViewLayout layout_;
  bool destroyed_ = false;
  HWND window_ = nullptr;
};

}  // namespace platform
