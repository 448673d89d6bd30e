#include "TsfFixture.h"
#include "host/msctf/LanguageBar.h"

namespace tsftest {
namespace {

using ::testing::ElementsAre;

const GUID kItemGuid = {0x51d6e1f0, 0x11aa, 0x4bcd, {1, 2, 3, 4, 5, 6, 7, 8}};

// A language-bar button that logs what the bar asks of it.
class FakeButton final : public ITfLangBarItemButton, public ITfSource {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    *object = nullptr;
    if (IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_ITfLangBarItem) ||
        IsEqualGUID(riid, IID_ITfLangBarItemButton)) {
      *object = static_cast<ITfLangBarItemButton*>(this);
    } else if (IsEqualGUID(riid, IID_ITfSource)) {
      *object = static_cast<ITfSource*>(this);
    } else {
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --refs;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE GetInfo(TF_LANGBARITEMINFO* pInfo) override {
    log.push_back("GetInfo");
    *pInfo = {};
    pInfo->guidItem = kItemGuid;
    pInfo->dwStyle = TF_LBI_STYLE_BTN_MENU | TF_LBI_STYLE_SHOWNINTRAY;
    pInfo->szDescription[0] = 'K';
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetStatus(DWORD* pdwStatus) override {
    log.push_back("GetStatus");
    *pdwStatus = TF_LBI_STATUS_DISABLED;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Show(BOOL fShow) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetTooltipString(BSTR* pbstrToolTip) override {
    *pbstrToolTip = SysAllocString(AsWchar(u"Click me"));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnClick(TfLBIClick click, POINT pt, const RECT* prcArea) override {
    log.push_back("OnClick " + std::to_string(click) + " " + std::to_string(pt.x) + "," +
                  std::to_string(pt.y) + " " + std::to_string(prcArea->right - prcArea->left));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE InitMenu(ITfMenu* pMenu) override {
    const WCHAR layouts[] = {'L', 'a', 'y', 'o', 'u', 't'};
    const WCHAR one[] = {'O', 'n', 'e'};
    ITfMenu* sub = nullptr;
    pMenu->AddMenuItem(1, TF_LBMENUF_SUBMENU, nullptr, nullptr, layouts, 6, &sub);
    sub->AddMenuItem(2, TF_LBMENUF_CHECKED, nullptr, nullptr, one, 3, nullptr);
    sub->Release();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnMenuSelect(UINT wID) override {
    log.push_back("OnMenuSelect " + std::to_string(wID));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetIcon(HICON* phIcon) override {
    *phIcon = nullptr;
    log.push_back("GetIcon");
    return E_FAIL;
  }
  HRESULT STDMETHODCALLTYPE GetText(BSTR* pbstrText) override {
    *pbstrText = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE AdviseSink(REFIID riid, IUnknown* punk, DWORD* pdwCookie) override {
    log.push_back("AdviseSink");
    if (failAdvise) return E_FAIL;
    if (FAILED(punk->QueryInterface(IID_ITfLangBarItemSink, reinterpret_cast<void**>(&sink)))) {
      return E_NOINTERFACE;
    }
    *pdwCookie = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE UnadviseSink(DWORD dwCookie) override {
    log.push_back("UnadviseSink " + std::to_string(dwCookie));
    if (sink) sink->Release();
    sink = nullptr;
    return S_OK;
  }

  ULONG refs = 1;
  bool failAdvise = false;
  ITfLangBarItemSink* sink = nullptr;
  std::vector<std::string> log;
};

struct LanguageBarTest : TsfFixture {
  void SetUp() override {
    TsfFixture::SetUp();
    App().threadMgr()->QueryInterface(IID_ITfLangBarItemMgr, reinterpret_cast<void**>(&bar));
  }
  void TearDown() override {
    bar->Release();
    button->Release();
    TsfFixture::TearDown();
  }
  ITfLangBarItemMgr* bar = nullptr;
  FakeButton* button = new FakeButton;
};

TEST_F(LanguageBarTest, AddItemAsksForInfoAdvisesAndKeepsTheItem) {
  ASSERT_EQ(bar->AddItem(button), S_OK);
  EXPECT_THAT(button->log, ElementsAre("GetInfo", "AdviseSink"));
  EXPECT_EQ(button->refs, 2u);
  ASSERT_EQ(host::LangBarItems().size(), 1u);
  EXPECT_EQ(host::LangBarItems()[0].info.szDescription[0], 'K');
  EXPECT_EQ(bar->AddItem(button), E_INVALIDARG);

  button->sink->OnUpdate(TF_LBI_ICON | TF_LBI_STATUS);
  ASSERT_EQ(host::LangBarUpdates().size(), 1u);
  EXPECT_EQ(host::LangBarUpdates()[0].flags, static_cast<DWORD>(TF_LBI_ICON | TF_LBI_STATUS));
  EXPECT_TRUE(IsEqualGUID(host::LangBarUpdates()[0].item, kItemGuid));

  EXPECT_EQ(bar->RemoveItem(button), S_OK);
  EXPECT_EQ(button->log.back(), "UnadviseSink 0");
  EXPECT_EQ(button->sink, nullptr);
  EXPECT_EQ(button->refs, 1u);
  EXPECT_EQ(bar->RemoveItem(button), E_FAIL);
}

TEST_F(LanguageBarTest, AFailedAdviseOrSwitchAddsNothing) {
  button->failAdvise = true;
  EXPECT_EQ(bar->AddItem(button), E_FAIL);
  button->failAdvise = false;
  host::FailCall("ITfLangBarItemMgr::AddItem");
  EXPECT_EQ(bar->AddItem(button), E_FAIL);
  EXPECT_TRUE(host::LangBarItems().empty());
  EXPECT_EQ(button->refs, 1u);
}

TEST_F(LanguageBarTest, TheHostCallsTheItemAsTheBarDoes) {
  ASSERT_EQ(bar->AddItem(button), S_OK);
  button->log.clear();
  DWORD status = 0;
  EXPECT_EQ(host::LangBarItemStatus(kItemGuid, &status), S_OK);
  EXPECT_EQ(status, static_cast<DWORD>(TF_LBI_STATUS_DISABLED));
  HICON icon = nullptr;
  EXPECT_EQ(host::LangBarItemIcon(kItemGuid, &icon), E_FAIL);
  EXPECT_EQ(host::LangBarItemClick(kItemGuid, TF_LBI_CLK_LEFT, POINT{30, 40}), S_OK);
  EXPECT_EQ(host::LangBarItemMenuSelect(kItemGuid, 40004), S_OK);
  EXPECT_EQ(host::LangBarItemMenuSelect(GUID_NULL, 1), E_INVALIDARG);
  std::u16string text = u"left over";
  EXPECT_EQ(host::LangBarItemTooltip(kItemGuid, &text), S_OK);
  EXPECT_EQ(text, u"Click me");
  EXPECT_EQ(host::LangBarItemText(kItemGuid, &text), E_NOTIMPL);
  EXPECT_EQ(text, u"");
  EXPECT_THAT(button->log,
              ElementsAre("GetStatus", "GetIcon", "OnClick 2 30,40 16", "OnMenuSelect 40004"));

  std::vector<host::LangBarMenuItem> menu;
  EXPECT_EQ(host::LangBarItemInitMenu(kItemGuid, &menu), S_OK);
  ASSERT_EQ(menu.size(), 2u);
  EXPECT_EQ(menu[0].text, u"Layout");
  EXPECT_EQ(menu[1].text, u"One");
  EXPECT_EQ(menu[1].depth, 1);
  EXPECT_EQ(menu[1].flags, static_cast<DWORD>(TF_LBMENUF_CHECKED));

  // The bar lets its items go when the thread manager goes.
  bar->Release();
  app.reset();
  EXPECT_EQ(button->refs, 1u);
  EXPECT_EQ(button->sink, nullptr);
  app.emplace();
  App().threadMgr()->QueryInterface(IID_ITfLangBarItemMgr, reinterpret_cast<void**>(&bar));
}

}  // namespace
}  // namespace tsftest
