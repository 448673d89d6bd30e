// The window base: every operation with a window handle and without one,
// and the ends of a window that the object did not choose.
#ifndef _WIN32
#include "host/user32/MessageLog.h"
#include "support/CandidateWindowFixture.h"

namespace {

using namespace candidate_window_testing;

// The base with nothing of its own but a record of its messages.
class PlainWindow : public CBaseWindow {
 public:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    messages.push_back(message);
    return DefWindowProcW(window, message, wParam, lParam);
  }
  std::vector<UINT> messages;
};

class CBaseWindowTest : public CandidateWindowTest {
 protected:
  std::unique_ptr<PlainWindow> Made(CBaseWindow* parent = nullptr, HWND owner = nullptr) {
    auto window = std::make_unique<PlainWindow>();
    EXPECT_TRUE(window->Create(CandidateWindowClass(), WS_EX_TOOLWINDOW, WS_POPUP, parent, 120, 80,
                               owner));
    return window;
  }
};

TEST_F(CBaseWindowTest, OperationsWithAHandleGoToTheWindow) {
  std::unique_ptr<PlainWindow> window = Made();
  const HWND hwnd = window->GetWnd();
  ASSERT_NE(hwnd, nullptr);
  // The object was attached at WM_CREATE, the messages before it passed by.
  ASSERT_FALSE(window->messages.empty());
  EXPECT_EQ(window->messages.front(), static_cast<UINT>(WM_CREATE));

  RECT rect = {};
  ASSERT_TRUE(window->GetWindowRect(&rect));
  EXPECT_EQ(rect.right, 120);
  EXPECT_EQ(rect.bottom, 80);
  window->Move(10, 20);
  ASSERT_TRUE(window->GetWindowRect(&rect));
  window->Resize(rect.left + 5, rect.top, 60, 40);
  ASSERT_TRUE(GetWindowRect(hwnd, &rect));
  EXPECT_EQ(rect.left, 15);
  EXPECT_EQ(rect.top, 20);
  EXPECT_EQ(rect.right, 75);
  EXPECT_EQ(rect.bottom, 60);
  ASSERT_TRUE(window->GetClientRect(&rect));
  EXPECT_EQ(rect.right, 60);
  EXPECT_EQ(rect.bottom, 40);

  EXPECT_FALSE(window->IsVisible());
  window->Show(TRUE);
  EXPECT_TRUE(IsWindowVisible(hwnd));
  EXPECT_TRUE(window->IsVisible());
  EXPECT_EQ(GetForegroundWindow(), nullptr);
  window->Enable(FALSE);
  EXPECT_FALSE(IsWindowEnabled(hwnd));
  EXPECT_FALSE(window->IsEnabled());

  host::ClearMessageLog(hwnd);
  window->Invalidate();
  const auto invalidations = host::InvalidationLog(hwnd);
  ASSERT_EQ(invalidations.size(), 1u);
  EXPECT_EQ(invalidations[0].rect.right, 60);
  EXPECT_TRUE(invalidations[0].erase);

  window->messages.clear();
  window->Destroy();
  EXPECT_EQ(window->GetWnd(), nullptr);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_NE(std::find(window->messages.begin(), window->messages.end(), UINT{WM_DESTROY}),
            window->messages.end());
}

TEST_F(CBaseWindowTest, WithoutAHandleTheFieldsStandInAndInvalidationGoesToTheParentsWindow) {
  std::unique_ptr<PlainWindow> parent = Made();
  PlainWindow child;
  ASSERT_TRUE(child.Create(0, 0, WS_POPUP, parent.get(), 0, 0, nullptr));
  EXPECT_EQ(child.GetParent(), parent.get());
  EXPECT_EQ(child.GetWnd(), nullptr);

  child.Resize(4, 6, 30, 20);
  child.Move(8, 9);
  RECT rect = {};
  ASSERT_TRUE(child.GetWindowRect(&rect));
  EXPECT_EQ(rect.left, 8);
  EXPECT_EQ(rect.top, 9);
  EXPECT_EQ(rect.right, 38);
  EXPECT_EQ(rect.bottom, 29);
  EXPECT_TRUE(child.IsVisible());  // as constructed
  child.Show(FALSE);
  EXPECT_FALSE(child.IsVisible());
  EXPECT_TRUE(child.IsEnabled());
  child.Enable(FALSE);
  EXPECT_FALSE(child.IsEnabled());

  PlainWindow grandchild;
  ASSERT_TRUE(grandchild.Create(0, 0, WS_POPUP, &child, 0, 0, nullptr));
  grandchild.Resize(1, 2, 3, 4);
  host::ClearMessageLog(parent->GetWnd());
  grandchild.Invalidate();
  const auto invalidations = host::InvalidationLog(parent->GetWnd());
  ASSERT_EQ(invalidations.size(), 1u);
  EXPECT_EQ(invalidations[0].rect.left, 1);
  EXPECT_EQ(invalidations[0].rect.bottom, 6);

  PlainWindow orphan;
  orphan.Invalidate();  // no window anywhere: nothing to do
  parent->Destroy();
}

TEST_F(CBaseWindowTest, DeletedObjectNoLongerReceivesItsWindowsMessages) {
  std::unique_ptr<PlainWindow> window = Made();
  const HWND hwnd = window->GetWnd();
  window.reset();
  EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_USERDATA), 0);
  ShowWindow(hwnd, SW_SHOWNA);  // handled by DefWindowProcW alone
  EXPECT_TRUE(DestroyWindow(hwnd));
}

TEST_F(CBaseWindowTest, WindowDestroyedWithItsOwnerLeavesTheObjectOnItsFields) {
  std::unique_ptr<PlainWindow> owner = Made();
  Open();
  ASSERT_TRUE(window_->GetWnd() != nullptr);
  const HWND candidate = Hwnd();
  Close();
  window_ = std::make_unique<CCandidateWindow>(&labels_, &RecordChoice, &choices_, kWidthChars);
  ASSERT_TRUE(window_->Create(CandidateWindowClass(), kExStyle, WS_POPUP, nullptr, 0, 0,
                              owner->GetWnd()));
  const HWND owned = Hwnd();
  ASSERT_NE(owned, candidate);
  Fill(Numbered(3));

  owner->Destroy();  // the application closed its window
  EXPECT_FALSE(IsWindow(owned));
  EXPECT_EQ(window_->GetWnd(), nullptr);
  Fill(Numbered(10));
  window_->Show(TRUE);
  window_->Move(5, 5);
  RECT rect = {};
  ASSERT_TRUE(window_->GetWindowRect(&rect));
  EXPECT_EQ(rect.left, 5);
  EXPECT_EQ(window_->ItemCount(), 10u);
}

}  // namespace
#endif
