#include "riched20/RichEditControl.h"

#include <algorithm>
#include <cstring>

#include "common/HostText.h"
#include "host/riched20/RichEdit.h"
#include "riched20/RtfText.h"
#include "user32/ControlState.h"

namespace riched20 {
namespace {

constexpr LONG kStreamPiece = 4096;

class RichEditState : public platform::ControlState {
 public:
  std::string streamedBytes;
  int streamCallbacks = 0;
  std::u16string text;
  LONG selectionStart = 0;
  LONG selectionEnd = 0;
};

std::u16string TextOfBytes(const std::string& bytes, WPARAM format) {
  if ((format & SF_RTF) && bytes.compare(0, 5, "{\\rtf") == 0) return RtfText::Of(bytes);
  // Plain text (or what is not RTF at all) in the ANSI code page.
  std::u16string text;
  for (char c : bytes) text += RtfText::FromWindows1252(static_cast<unsigned char>(c));
  return text;
}

LRESULT StreamIn(RichEditState& state, WPARAM format, EDITSTREAM* stream) {
  if (stream == nullptr || stream->pfnCallback == nullptr || !(format & (SF_TEXT | SF_RTF)))
    return 0;
  stream->dwError = 0;
  std::string bytes;
  int calls = 0;
  BYTE piece[kStreamPiece];
  for (;;) {
    LONG got = 0;
    ++calls;
    DWORD error = stream->pfnCallback(stream->dwCookie, piece, kStreamPiece, &got);
    if (error != 0) {
      stream->dwError = error;
      break;
    }
    if (got <= 0) break;
    bytes.append(reinterpret_cast<const char*>(piece),
                 static_cast<size_t>(std::min(got, kStreamPiece)));
  }
  std::u16string read = TextOfBytes(bytes, format);
  std::lock_guard<std::mutex> hold(state.lock);
  state.streamedBytes = bytes;
  state.streamCallbacks = calls;
  if (format & SFF_SELECTION) {
    LONG start = std::min(state.selectionStart, state.selectionEnd);
    LONG end = std::max(state.selectionStart, state.selectionEnd);
    state.text.replace(static_cast<size_t>(start), static_cast<size_t>(end - start), read);
    state.selectionStart = state.selectionEnd = start + static_cast<LONG>(read.size());
  } else {
    state.text = read;
    state.selectionStart = state.selectionEnd = static_cast<LONG>(read.size());
  }
  return static_cast<LRESULT>(read.size());
}

// As the edit control documents EM_SETSEL: -1 as the start removes the
// selection, -1 as the end means the end of the text.
void SetSelection(RichEditState& state, WPARAM wParam, LPARAM lParam) {
  std::lock_guard<std::mutex> hold(state.lock);
  auto length = static_cast<LONG>(state.text.size());
  auto start = static_cast<LONG>(static_cast<INT_PTR>(wParam));
  auto end = static_cast<LONG>(lParam);
  if (start == -1) {
    state.selectionStart = state.selectionEnd;
    return;
  }
  if (end == -1) end = length;
  state.selectionStart = std::clamp<LONG>(start, 0, length);
  state.selectionEnd = std::clamp<LONG>(end, 0, length);
}

LRESULT GetText(RichEditState& state, WPARAM size, LPWSTR buffer) {
  std::lock_guard<std::mutex> hold(state.lock);
  if (buffer == nullptr || size == 0) return 0;
  size_t length = std::min(state.text.size(), static_cast<size_t>(size - 1));
  std::memcpy(buffer, state.text.data(), length * sizeof(WCHAR));
  buffer[length] = 0;
  return static_cast<LRESULT>(length);
}

}  // namespace

LRESULT CALLBACK RichEditProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto state = std::make_shared<RichEditState>();
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    if (create != nullptr && create->lpszName != nullptr && !IS_INTRESOURCE(create->lpszName))
      state->text.assign(create->lpszName, platform::WideLength(create->lpszName));
    platform::SetControlState(window, state);
    return TRUE;
  }
  std::shared_ptr<RichEditState> state = platform::ControlStateOf<RichEditState>(window);
  if (!state) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case EM_STREAMIN:
      return StreamIn(*state, wParam, reinterpret_cast<EDITSTREAM*>(lParam));
    case EM_SETSEL:
      SetSelection(*state, wParam, lParam);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
    case EM_GETSEL: {
      std::lock_guard<std::mutex> hold(state->lock);
      auto start = static_cast<DWORD>(std::min(state->selectionStart, state->selectionEnd));
      auto end = static_cast<DWORD>(std::max(state->selectionStart, state->selectionEnd));
      if (wParam != 0) *reinterpret_cast<LPDWORD>(wParam) = start;
      if (lParam != 0) *reinterpret_cast<LPDWORD>(lParam) = end;
      return MAKELONG(std::min<DWORD>(start, 0xFFFF), std::min<DWORD>(end, 0xFFFF));
    }
    case WM_SETTEXT: {
      auto text = reinterpret_cast<LPCWSTR>(lParam);
      std::lock_guard<std::mutex> hold(state->lock);
      state->text =
          text == nullptr ? std::u16string() : std::u16string(text, platform::WideLength(text));
      state->selectionStart = state->selectionEnd = 0;
      return TRUE;
    }
    case WM_GETTEXT:
      return GetText(*state, wParam, reinterpret_cast<LPWSTR>(lParam));
    case WM_GETTEXTLENGTH: {
      std::lock_guard<std::mutex> hold(state->lock);
      return static_cast<LRESULT>(state->text.size());
    }
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace riched20

namespace host {

std::optional<RichEditInfo> DescribeRichEdit(HWND control) {
  auto state = platform::ControlStateOf<riched20::RichEditState>(control);
  if (!state) return std::nullopt;
  std::lock_guard<std::mutex> hold(state->lock);
  return RichEditInfo{state->streamedBytes, state->streamCallbacks, state->text,
                      state->selectionStart, state->selectionEnd};
}

}  // namespace host
