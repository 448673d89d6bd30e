#include <functional>

#include "TsfFixture.h"

namespace tsftest {
namespace {

using ::testing::ElementsAre;

// An ITfCompartmentEventSink that runs a function.
class CompartmentSink final : public ITfCompartmentEventSink {
 public:
  explicit CompartmentSink(std::function<void(REFGUID)> onChange) : onChange_(onChange) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    *object = nullptr;
    if (!IsEqualGUID(riid, IID_IUnknown) && !IsEqualGUID(riid, IID_ITfCompartmentEventSink)) {
      return E_NOINTERFACE;
    }
    *object = this;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE OnChange(REFGUID rguid) override {
    onChange_(rguid);
    return S_OK;
  }

 private:
  ~CompartmentSink() = default;
  ULONG refs_ = 1;
  std::function<void(REFGUID)> onChange_;
};

struct CompartmentTest : TsfFixture {
  void SetUp() override {
    TsfFixture::SetUp();
    App().threadMgr()->QueryInterface(IID_ITfCompartmentMgr,
                                      reinterpret_cast<void**>(&manager));
  }
  void TearDown() override {
    for (auto& advised : advises) {
      ITfSource* source = nullptr;
      advised.first->QueryInterface(IID_ITfSource, reinterpret_cast<void**>(&source));
      source->UnadviseSink(advised.second);
      source->Release();
      advised.first->Release();
    }
    advises.clear();
    manager->Release();
    TsfFixture::TearDown();
  }

  ITfCompartment* Get(REFGUID guid, ITfCompartmentMgr* from = nullptr) {
    ITfCompartment* compartment = nullptr;
    EXPECT_EQ((from ? from : manager)->GetCompartment(guid, &compartment), S_OK);
    compartment->Release();  // the manager keeps it
    return compartment;
  }
  void Watch(ITfCompartment* compartment, std::function<void(REFGUID)> onChange) {
    ITfSource* source = nullptr;
    compartment->QueryInterface(IID_ITfSource, reinterpret_cast<void**>(&source));
    CompartmentSink* sink = new CompartmentSink(onChange);
    DWORD cookie = 0;
    EXPECT_EQ(source->AdviseSink(IID_ITfCompartmentEventSink, sink, &cookie), S_OK);
    sink->Release();
    source->Release();
    compartment->AddRef();
    advises.push_back({compartment, cookie});
  }
  HRESULT Set(ITfCompartment* compartment, LONG value) {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = value;
    return compartment->SetValue(App().clientId(), &v);
  }
  LONG Read(ITfCompartment* compartment) {
    VARIANT v;
    v.vt = VT_EMPTY;
    compartment->GetValue(&v);
    return v.vt == VT_I4 ? v.lVal : -1;
  }

  ITfCompartmentMgr* manager = nullptr;
  std::vector<std::pair<ITfCompartment*, DWORD>> advises;
  std::vector<std::string> log;
};

TEST_F(CompartmentTest, SetValueNotifiesEverySinkInOrderBeforeItReturns) {
  ITfCompartment* openClose = Get(GUID_COMPARTMENT_KEYBOARD_OPENCLOSE);
  EXPECT_EQ(openClose, Get(GUID_COMPARTMENT_KEYBOARD_OPENCLOSE));
  Watch(openClose, [&](REFGUID g) { log.push_back("first " + std::to_string(Read(openClose))); });
  Watch(openClose, [&](REFGUID g) {
    log.push_back(IsEqualGUID(g, GUID_COMPARTMENT_KEYBOARD_OPENCLOSE) ? "second" : "wrong guid");
  });
  EXPECT_EQ(Set(openClose, 1), S_OK);
  log.push_back("returned");
  EXPECT_THAT(log, ElementsAre("first 1", "second", "returned"));
  EXPECT_EQ(host::ThreadCompartment(GUID_COMPARTMENT_KEYBOARD_OPENCLOSE).value, 1);
  EXPECT_EQ(host::ThreadCompartment(GUID_COMPARTMENT_KEYBOARD_OPENCLOSE).type, VT_I4);
}

TEST_F(CompartmentTest, AnUnchangedValueNotifiesOnlyWhenTheHostSaysSo) {
  ITfCompartment* compartment = Get(GUID_LBI_INPUTMODE);
  Watch(compartment, [&](REFGUID) { log.push_back("change"); });
  Set(compartment, 1);
  Set(compartment, 1);
  EXPECT_EQ(log.size(), 1u);
  host::SetCompartmentNotifiesUnchangedWrites(true);
  Set(compartment, 1);
  EXPECT_EQ(log.size(), 2u);
}

// Two compartments kept in step from inside each other's OnChange, as a
// keyboard keeps its open state and the native bit of the conversion mode:
// each side writes only when the other differs, so it settles either way.
TEST_F(CompartmentTest, ReentrantWritesFromOnChangeSettle) {
  for (bool notifyUnchanged : {false, true}) {
    SCOPED_TRACE(notifyUnchanged);
    host::SetCompartmentNotifiesUnchangedWrites(notifyUnchanged);
    ITfCompartment* open = Get(GUID_COMPARTMENT_KEYBOARD_OPENCLOSE);
    ITfCompartment* mode = Get(GUID_COMPARTMENT_KEYBOARD_INPUTMODE_CONVERSION);
    Set(open, 0);
    Set(mode, 0);
    log.clear();
    Watch(open, [&](REFGUID) {
      log.push_back("open changed");
      LONG native = Read(mode) & TF_CONVERSIONMODE_NATIVE;
      if (native != Read(open)) Set(mode, Read(open) ? TF_CONVERSIONMODE_NATIVE : 0);
    });
    Watch(mode, [&](REFGUID) {
      log.push_back("mode changed");
      LONG native = Read(mode) & TF_CONVERSIONMODE_NATIVE;
      if (native != Read(open)) Set(open, native);
    });
    Set(mode, TF_CONVERSIONMODE_NATIVE);
    EXPECT_EQ(Read(open), 1);
    EXPECT_THAT(log, ElementsAre("mode changed", "open changed"));
    log.clear();
    Set(open, 0);
    EXPECT_EQ(Read(mode), 0);
    EXPECT_THAT(log, ElementsAre("open changed", "mode changed"));
    TearDown();
    SetUp();
  }
}

TEST_F(CompartmentTest, ASinkUnadvisedDuringANoticeIsNotCalled) {
  ITfCompartment* compartment = Get(GUID_LBI_INPUTMODE);
  Watch(compartment, [&](REFGUID) {
    log.push_back("first");
    ITfSource* source = nullptr;
    compartment->QueryInterface(IID_ITfSource, reinterpret_cast<void**>(&source));
    source->UnadviseSink(advises[1].second);
    source->Release();
  });
  Watch(compartment, [&](REFGUID) { log.push_back("second"); });
  Set(compartment, 5);
  EXPECT_THAT(log, ElementsAre("first"));
  advises[1].first->Release();
  advises.pop_back();
}

TEST_F(CompartmentTest, ValuesTypesClearingAndFailures) {
  ITfCompartment* compartment = Get(GUID_LBI_INPUTMODE);
  VARIANT v;
  v.vt = VT_I4;
  v.lVal = 99;
  EXPECT_EQ(compartment->GetValue(&v), S_FALSE);
  EXPECT_EQ(v.vt, VT_EMPTY);
  v.vt = VT_BSTR;
  v.bstrVal = nullptr;
  EXPECT_EQ(compartment->SetValue(App().clientId(), &v), E_INVALIDARG);
  EXPECT_EQ(compartment->SetValue(App().clientId(), nullptr), E_INVALIDARG);

  Watch(compartment, [&](REFGUID) { log.push_back("change"); });
  Set(compartment, 3);
  EXPECT_EQ(manager->ClearCompartment(App().clientId(), GUID_LBI_INPUTMODE), S_OK);
  EXPECT_EQ(host::ThreadCompartment(GUID_LBI_INPUTMODE).type, VT_EMPTY);
  EXPECT_EQ(log.size(), 2u);

  host::FailCall("ITfCompartment::SetValue:GUID_LBI_INPUTMODE");
  EXPECT_EQ(Set(compartment, 4), E_FAIL);
  EXPECT_EQ(Set(Get(GUID_COMPARTMENT_KEYBOARD_OPENCLOSE), 4), S_OK);
  host::FailCall("ITfCompartmentMgr::GetCompartment:GUID_COMPARTMENT_EMPTYCONTEXT");
  ITfCompartment* none = reinterpret_cast<ITfCompartment*>(1);
  EXPECT_EQ(manager->GetCompartment(GUID_COMPARTMENT_EMPTYCONTEXT, &none), E_FAIL);
  EXPECT_EQ(none, nullptr);
}

TEST_F(CompartmentTest, AContextKeepsCompartmentsOfItsOwn) {
  ITfContext* context = host::TsfApplication::TopContext(App().CreateDocument());
  ITfCompartmentMgr* contextManager = nullptr;
  ASSERT_EQ(context->QueryInterface(IID_ITfCompartmentMgr,
                                    reinterpret_cast<void**>(&contextManager)),
            S_OK);
  Set(Get(GUID_COMPARTMENT_KEYBOARD_DISABLED, contextManager), 1);
  EXPECT_EQ(host::ContextCompartment(context, GUID_COMPARTMENT_KEYBOARD_DISABLED).value, 1);
  EXPECT_EQ(host::ThreadCompartment(GUID_COMPARTMENT_KEYBOARD_DISABLED).type, VT_EMPTY);
  contextManager->Release();
}

}  // namespace
}  // namespace tsftest
