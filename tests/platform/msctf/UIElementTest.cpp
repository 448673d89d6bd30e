#include "TsfFixture.h"
#include "host/msctf/UIElements.h"

namespace tsftest {
namespace {

// A candidate-list element with fixed answers for the UI-less reader.
class FakeCandidateList final : public ITfCandidateListUIElement {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    *object = nullptr;
    if (!IsEqualGUID(riid, IID_IUnknown) && !IsEqualGUID(riid, IID_ITfUIElement) &&
        !IsEqualGUID(riid, IID_ITfCandidateListUIElement)) {
      return E_NOINTERFACE;
    }
    *object = this;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --refs;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE GetDescription(BSTR* pbstr) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetGUID(GUID* pguid) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Show(BOOL bShow) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE IsShown(BOOL* pbShow) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetUpdatedFlags(DWORD* pdwFlags) override {
    *pdwFlags = 0x3E;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDocumentMgr(ITfDocumentMgr** ppdim) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetCount(UINT* puCount) override {
    *puCount = count;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetSelection(UINT* puIndex) override {
    *puIndex = 8;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetString(UINT uIndex, BSTR* pstr) override {
    // Index 1 holds an empty item, which the element hands out as null.
    const char16_t* texts[] = {u"one", nullptr};
    *pstr = uIndex < 2 && texts[uIndex] ? SysAllocString(AsWchar(texts[uIndex])) : nullptr;
    return uIndex < count ? S_OK : E_FAIL;
  }
  HRESULT STDMETHODCALLTYPE GetPageIndex(UINT* pIndex, UINT uSize, UINT* puPageCnt) override {
    *puPageCnt = 2;
    if (pIndex) {
      const UINT starts[] = {0, 7};
      for (UINT i = 0; i < uSize && i < 2; ++i) pIndex[i] = starts[i];
    }
    return uSize <= 2 ? S_FALSE : S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetPageIndex(UINT* pIndex, UINT uPageCnt) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetCurrentPage(UINT* puPage) override {
    *puPage = 1;
    return S_OK;
  }
  ULONG refs = 1;
  UINT count = 9;
};

struct UIElementTest : TsfFixture {
  void SetUp() override {
    TsfFixture::SetUp();
    App().threadMgr()->QueryInterface(IID_ITfUIElementMgr, reinterpret_cast<void**>(&manager));
  }
  void TearDown() override {
    manager->Release();
    element->Release();
    TsfFixture::TearDown();
  }
  ITfUIElementMgr* manager = nullptr;
  FakeCandidateList* element = new FakeCandidateList;
};

TEST_F(UIElementTest, BeginAnswersTheHostsShowAndUpdatesAreLogged) {
  BOOL show = FALSE;
  DWORD first = 0;
  ASSERT_EQ(manager->BeginUIElement(element, &show, &first), S_OK);
  EXPECT_TRUE(show);
  EXPECT_EQ(manager->UpdateUIElement(first), S_OK);
  EXPECT_EQ(manager->UpdateUIElement(first + 7), E_INVALIDARG);
  EXPECT_EQ(manager->EndUIElement(first), S_OK);
  EXPECT_EQ(manager->EndUIElement(first), E_INVALIDARG);
  EXPECT_EQ(element->refs, 1u);

  std::vector<host::UIElementCall> calls = host::UIElementCalls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].kind, host::UIElementCall::kBegin);
  EXPECT_EQ(calls[1].kind, host::UIElementCall::kUpdate);
  EXPECT_FALSE(calls[1].read);  // the service draws its own window
  EXPECT_EQ(calls[2].kind, host::UIElementCall::kEnd);

  DWORD second = 0;
  ASSERT_EQ(manager->BeginUIElement(element, &show, &second), S_OK);
  EXPECT_NE(second, first);
  EXPECT_EQ(host::LiveUIElementCount(), 1u);
  manager->EndUIElement(second);

  host::FailCall("ITfUIElementMgr::BeginUIElement");
  EXPECT_EQ(manager->BeginUIElement(element, &show, &second), E_FAIL);
}

TEST_F(UIElementTest, TheUiLessReaderReadsTheListAfterEachUpdate) {
  host::SetUIElementShow(false);
  BOOL show = TRUE;
  DWORD id = 0;
  ASSERT_EQ(manager->BeginUIElement(element, &show, &id), S_OK);
  EXPECT_FALSE(show);
  host::ClearUIElementCalls();
  manager->UpdateUIElement(id);
  std::vector<host::UIElementCall> calls = host::UIElementCalls();
  ASSERT_EQ(calls.size(), 1u);
  ASSERT_TRUE(calls[0].read);
  const host::CandidateListReading& r = calls[0].reading;
  EXPECT_EQ(r.flags, 0x3Eu);
  EXPECT_EQ(r.count, 9u);
  EXPECT_EQ(r.selection, 8u);
  EXPECT_EQ(r.stringsResult, S_OK);
  ASSERT_EQ(r.strings.size(), 9u);
  EXPECT_EQ(r.strings[0], u"one");
  EXPECT_EQ(r.strings[1], u"");
  EXPECT_EQ(r.pagesResult, S_FALSE);
  EXPECT_EQ(r.pageStarts, (std::vector<UINT>{0, 7}));
  EXPECT_EQ(r.currentPage, 1u);
  manager->EndUIElement(id);
}

}  // namespace
}  // namespace tsftest
