// A candidate window on the simulated desktop, made as the candidate-list
// element makes it: GDI+ started, the class registered by the module, a
// per-monitor-aware thread, a layered top-most pop-up of the first size,
// shown, then filled as every candidate update fills it. Stand-in only.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "Platform.h"
#include "common/CandidateWindowNames.h"
#include "host/FailureSwitch.h"
#include "host/gdiplus/GdiplusCalls.h"
#include "host/user32/Desktop.h"
#include "host/user32/LayeredPicture.h"
#include "service/candidate/CCandidateWindow.h"
#include "service/module/DllMain.h"

namespace candidate_window_testing {

// Seven candidates: ami, amra, amar, amader, bangla and kshoma in Bengali
// (a conjunct among them), and the Latin keys "ami".
inline const std::vector<std::u16string>& BengaliWords() {
  static const std::vector<std::u16string> words = {
      u"\u0986\u09AE\u09BF",
      u"\u0986\u09AE\u09B0\u09BE",
      u"\u0986\u09AE\u09BE\u09B0",
      u"\u0986\u09AE\u09BE\u09A6\u09C7\u09B0",
      u"\u09AC\u09BE\u0982\u09B2\u09BE",
      u"\u0995\u09CD\u09B7\u09AE\u09BE",
      u"ami",
  };
  return words;
}

// n short candidates: "c0", "c1"...
inline std::vector<std::u16string> Numbered(int n) {
  std::vector<std::u16string> words;
  for (int i = 0; i < n; ++i) {
    std::u16string word = u"c";
    for (char c : std::to_string(i)) word += static_cast<char16_t>(c);
    words.push_back(word);
  }
  return words;
}

struct CallbackRecord {
  std::vector<UINT> actions;
  // When set, the callback closes the list as the element does: destroys
  // the window and deletes the object.
  std::unique_ptr<CCandidateWindow>* closeOnChoice = nullptr;
  UINT selectionSeen = 0;
};

inline HRESULT RecordChoice(void* object, UINT action) {
  auto* record = static_cast<CallbackRecord*>(object);
  record->actions.push_back(action);
  if (record->closeOnChoice != nullptr && *record->closeOnChoice) {
    record->selectionSeen = (*record->closeOnChoice)->Selection();
    (*record->closeOnChoice)->Destroy();
    record->closeOnChoice->reset();
  }
  return S_OK;
}

// The module's class, registered by the module's own attach, once per
// process (classes outlive every test, as on Windows).
inline ATOM CandidateWindowClass() {
  static const ATOM atom = [] {
    static int moduleImage;
    DllMain(reinterpret_cast<HINSTANCE>(&moduleImage), DLL_PROCESS_ATTACH, nullptr);
    return CandidateWindowClassAtom;
  }();
  return atom;
}

class CandidateWindowTest : public ::testing::Test {
 protected:
  static constexpr DWORD kExStyle = WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
  static constexpr UINT kWidthChars = 13;

  void SetUp() override {
    host::ResetDesktop();
    host::ClearFailures();
    Gdiplus::GdiplusStartupInput input;
    ASSERT_EQ(Gdiplus::GdiplusStartup(&token_, &input, nullptr), Gdiplus::Ok);
    ASSERT_NE(CandidateWindowClass(), 0);
    SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    for (unsigned long label = 1; label <= 7; ++label) *labels_.Append() = label;
  }

  void TearDown() override {
    Close();
    host::ClearFailures();
    Gdiplus::GdiplusShutdown(token_);
    host::ResetDesktop();
  }

  // The window the element makes: created, given its first size (the
  // minimum width, seven rows and the margins) at (0, 0), and shown.
  void Open() {
    window_ = std::make_unique<CCandidateWindow>(&labels_, &RecordChoice, &choices_, kWidthChars);
    window_->Create(CandidateWindowClass(), kExStyle, WS_POPUP, nullptr, 0, 0, nullptr);
    const int margin = MulDiv(2, static_cast<int>(window_->Dpi()), 96);
    window_->Resize(0, 0, static_cast<int>(window_->MinWidth()),
                    static_cast<int>(7 * window_->ItemHeight()) + 2 * margin);
    window_->Show(TRUE);
  }

  void Close() {
    if (!window_) return;
    window_->Destroy();
    window_.reset();
  }

  // The list and its pages from the count, not painted yet.
  void Load(const std::vector<std::u16string>& words) {
    window_->ClearList();
    for (const std::u16string& word : words) {
      CCandidateListItem item;
      item.length = word.size();
      item.text = AsWchar(word.c_str());
      window_->AddString(item);
    }
    window_->SetPageIndexFromCount(static_cast<UINT>(words.size()));
  }

  // One candidate update: the list, its pages from the count, the size, a paint.
  void Fill(const std::vector<std::u16string>& words) {
    Load(words);
    window_->ResizeToContent();
    window_->Render();
  }

  HWND Hwnd() const { return window_->GetWnd(); }

  RECT WindowRect() const {
    RECT rect = {};
    GetWindowRect(Hwnd(), &rect);
    return rect;
  }

  host::Picture Picture() const {
    std::optional<host::LayeredPicture> layered = host::LayeredPictureOf(Hwnd());
    EXPECT_TRUE(layered.has_value());
    return layered ? layered->picture : host::Picture{};
  }

  // The texts drawn since mark, labels included, in order.
  static std::vector<std::u16string> TextsDrawn(uint64_t mark) {
    std::vector<std::u16string> texts;
    for (const host::GdiplusCall& call : host::GdiplusCallsNamed("GdipDrawString", mark))
      texts.push_back(call.text);
    return texts;
  }

  LutemIMEArray<unsigned long> labels_;
  CallbackRecord choices_;
  std::unique_ptr<CCandidateWindow> window_;

 private:
  ULONG_PTR token_ = 0;
};

}  // namespace candidate_window_testing
