// The view of a context on the stand-in: text extents from the host's
// layout, the view's window, and layout notices to the right context.
#include "TextFixture.h"
#include "host/user32/Desktop.h"

namespace tsftest {
namespace {

using ::testing::ElementsAre;

struct ViewTest : TextFixture {
  void SetUp() override {
    TextFixture::SetUp();
    host::SetViewLayout(context, layout);
    client->log.clear();
    client->noticeContexts.clear();
    context->GetActiveView(view.Receive());
  }
  // GetTextExt of [start, end) in a read session.
  HRESULT Extent(LONG start, LONG end, RECT* rect, BOOL* clipped) {
    HRESULT hr = E_FAIL;
    Request(
        [&](TfEditCookie ec) {
          hr = view->GetTextExt(ec, RangeAt(ec, start, end).get(), rect, clipped);
          return S_OK;
        },
        TF_ES_SYNC | TF_ES_READ);
    return hr;
  }

  host::ViewLayout layout{100, 50, 200, 100, 10, 20};
  ComPtr<ITfContextView> view;
};

struct ExtentCase {
  const char* name;
  LONG start, end;
  RECT want;
  BOOL clipped;
};

TEST_F(ViewTest, TextExtentsComeFromTheLayout) {
  // Line 0 "hello", line 1 "wonderful world and more" (the view holds 20
  // columns), line 2 "x": after CR LF, then LF.
  Load(u"hello\r\nwonderful world and more\nx", 0);
  const ExtentCase cases[] = {
      {"a caret is zero wide and one line high", 2, 2, {120, 50, 120, 70}, FALSE},
      {"units on one line", 1, 4, {110, 50, 140, 70}, FALSE},
      {"the end of a line", 5, 5, {150, 50, 150, 70}, FALSE},
      {"after CR LF", 7, 10, {100, 70, 130, 90}, FALSE},
      {"across lines", 3, 9, {100, 50, 150, 90}, FALSE},
      {"past the view's right edge", 25, 30, {280, 70, 300, 90}, TRUE},
      {"after a lone LF", 32, 33, {100, 90, 110, 110}, FALSE},
  };
  for (const ExtentCase& c : cases) {
    SCOPED_TRACE(c.name);
    RECT rect{};
    BOOL clipped = 2;
    ASSERT_EQ(Extent(c.start, c.end, &rect, &clipped), S_OK);
    EXPECT_EQ(rect.left, c.want.left);
    EXPECT_EQ(rect.top, c.want.top);
    EXPECT_EQ(rect.right, c.want.right);
    EXPECT_EQ(rect.bottom, c.want.bottom);
    EXPECT_EQ(clipped, c.clipped);
  }
}

TEST_F(ViewTest, TheExtentWantsALockAndCanBeMadeToFail) {
  Load(u"abc", 0);
  TfEditCookie old = TF_INVALID_EDIT_COOKIE;
  ComPtr<ITfRange> range;
  Edit([&](TfEditCookie ec) {
    old = ec;
    range = RangeAt(ec, 0, 1);
  });
  RECT rect;
  BOOL clipped;
  EXPECT_EQ(view->GetTextExt(old, range.get(), &rect, &clipped), TF_E_NOLOCK);
  host::FailCall("ITfContextView::GetTextExt");
  EXPECT_EQ(Extent(0, 1, &rect, &clipped), E_FAIL);
}

TEST_F(ViewTest, TheViewHasARealTopLevelWindowThatFollowsTheLayout) {
  HWND window = nullptr;
  ASSERT_EQ(view->GetWnd(&window), S_OK);
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(window, host::ViewWindow(context));
  EXPECT_EQ(GetParent(window), nullptr);
  std::optional<host::WindowInfo> info = host::DescribeWindow(window);
  ASSERT_TRUE(info);
  EXPECT_TRUE(info->visible);
  EXPECT_EQ(info->rect.left, 100);
  EXPECT_EQ(info->rect.bottom, 150);
  layout.left = -1800;
  host::SetViewLayout(context, layout);
  EXPECT_EQ(host::DescribeWindow(window)->rect.left, -1800);
  RECT screen{};
  view->GetScreenExt(&screen);
  EXPECT_EQ(screen.left, -1800);
  EXPECT_EQ(screen.right, -1600);
}

TEST_F(ViewTest, LayoutNoticesGoToTheSinksOfTheContextWhoseViewChanged) {
  ITfDocumentMgr* otherDocument = App().CreateDocument();
  ITfContext* other = host::TsfApplication::TopContext(otherDocument);
  TextClient* otherClient = new TextClient;
  otherClient->Advise(other);
  ITfContextView* told = nullptr;
  client->onLayoutChange = [&](ITfContext*, TfLayoutCode, ITfContextView* v) { told = v; };

  layout.top = 400;
  host::SetViewLayout(context, layout);
  EXPECT_EQ(told, view.get());
  HWND window = host::ViewWindow(context);
  host::DestroyView(context);
  host::DestroyView(context);
  EXPECT_FALSE(IsWindow(window));
  HWND none = reinterpret_cast<HWND>(1);
  view->GetWnd(&none);
  EXPECT_EQ(none, nullptr);
  RECT rect;
  BOOL clipped;
  EXPECT_EQ(Extent(0, 0, &rect, &clipped), TF_E_NOLAYOUT);
  host::SetViewLayout(context, layout);
  EXPECT_TRUE(IsWindow(host::ViewWindow(context)));

  EXPECT_THAT(client->log, ElementsAre("OnLayoutChange 1", "OnLayoutChange 2", "OnLayoutChange 0"));
  EXPECT_THAT(client->noticeContexts, ElementsAre(context, context, context));
  EXPECT_TRUE(otherClient->log.empty());
  otherClient->Unadvise();
  otherClient->Release();
}

TEST_F(ViewTest, ASynchronousReadInsideOnLayoutChangeIsGrantedEvenWhenSyncIsRefused) {
  Load(u"abc", 0);
  host::SetEditSessionGrant(host::EditSessionGrant::RefuseSynchronous);
  HRESULT read = E_FAIL, write = E_FAIL;
  RECT rect{};
  client->onLayoutChange = [&](ITfContext*, TfLayoutCode, ITfContextView* v) {
    BOOL clipped;
    read = Request(
        [&](TfEditCookie ec) { return v->GetTextExt(ec, RangeAt(ec, 1, 2).get(), &rect, &clipped); },
        TF_ES_SYNC | TF_ES_READ);
    write = Request([](TfEditCookie) { return S_OK; });
  };
  layout.left = 0;
  host::SetViewLayout(context, layout);
  EXPECT_EQ(read, S_OK);
  EXPECT_EQ(rect.left, 10);
  EXPECT_EQ(write, TF_E_SYNCHRONOUS);
}

}  // namespace
}  // namespace tsftest
