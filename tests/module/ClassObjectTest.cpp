// The module's class object as COM and TSF reach it: through the exports of
// the loaded module.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "LoadedModule.h"
#include "host/FailureSwitch.h"
#include "host/gdiplus/GdiplusCalls.h"
#include "service/module/TextServiceGuids.h"
#include "support/TempSystemRoot.h"

namespace {

class ClassObjectTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(module_.loaded()); }
  void TearDown() override { host::ClearFailures(); }

  IClassFactory* Factory() {
    IClassFactory* factory = nullptr;
    EXPECT_EQ(module_.GetClassObject(CLSID_TextService, IID_IClassFactory,
                                     reinterpret_cast<void**>(&factory)),
              S_OK);
    return factory;
  }

  TempSystemRoot root_;
  LoadedModule module_;
};

TEST_F(ClassObjectTest, UnloadableExactlyWhileNoFactoryReferenceOrLockIsHeld) {
  EXPECT_EQ(module_.CanUnloadNow(), S_OK);
  IClassFactory* factory = Factory();
  ASSERT_NE(factory, nullptr);
  EXPECT_EQ(module_.CanUnloadNow(), S_FALSE);
  IUnknown* unknown = nullptr;
  ASSERT_EQ(factory->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
  EXPECT_EQ(factory->LockServer(TRUE), S_OK);
  factory->Release();
  unknown->Release();
  EXPECT_EQ(module_.CanUnloadNow(), S_FALSE) << "the lock holds it";
  EXPECT_EQ(factory->LockServer(FALSE), S_OK);
  EXPECT_EQ(module_.CanUnloadNow(), S_OK);

  // The last release deleted the factory; the next request makes another.
  IClassFactory* next = Factory();
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(module_.CanUnloadNow(), S_FALSE);
  next->Release();
  EXPECT_EQ(module_.CanUnloadNow(), S_OK);
}

TEST_F(ClassObjectTest, OnlyTheTextServiceClassAsClassFactoryOrIUnknown) {
  const CLSID otherClass = {0x1, 0x2, 0x3, {4, 5, 6, 7, 8, 9, 10, 11}};
  struct Case {
    const CLSID* clsid;
    const IID* iid;
    HRESULT result;
  } cases[] = {
      {&CLSID_TextService, &IID_IClassFactory, S_OK},
      {&CLSID_TextService, &IID_IUnknown, S_OK},
      {&CLSID_TextService, &IID_ITfCategoryMgr, CLASS_E_CLASSNOTAVAILABLE},
      {&otherClass, &IID_IClassFactory, CLASS_E_CLASSNOTAVAILABLE},
      {&GUID_KeyboardProfile, &IID_IUnknown, CLASS_E_CLASSNOTAVAILABLE},
  };
  for (const Case& c : cases) {
    IUnknown* object = reinterpret_cast<IUnknown*>(1);
    EXPECT_EQ(module_.GetClassObject(*c.clsid, *c.iid, reinterpret_cast<void**>(&object)),
              c.result);
    if (c.result == S_OK) {
      ASSERT_NE(object, nullptr);
      object->Release();
    } else {
      EXPECT_EQ(object, nullptr);
    }
    EXPECT_EQ(module_.CanUnloadNow(), S_OK);
  }
  EXPECT_EQ(module_.GetClassObject(CLSID_TextService, IID_IClassFactory, nullptr), E_INVALIDARG);
}

TEST_F(ClassObjectTest, TheFactoryMakesTextServicesForTheirInterfacesOnly) {
  IClassFactory* factory = Factory();
  ASSERT_NE(factory, nullptr);
  IUnknown* outer = factory;
  EXPECT_EQ(factory->CreateInstance(outer, IID_IUnknown, nullptr), E_INVALIDARG);
  IUnknown* object = reinterpret_cast<IUnknown*>(1);
  EXPECT_EQ(factory->CreateInstance(outer, IID_IUnknown, reinterpret_cast<void**>(&object)),
            CLASS_E_NOAGGREGATION);
  EXPECT_EQ(object, nullptr);
  object = reinterpret_cast<IUnknown*>(1);
  EXPECT_EQ(factory->CreateInstance(nullptr, IID_ITfCategoryMgr, reinterpret_cast<void**>(&object)),
            E_NOINTERFACE);
  EXPECT_EQ(object, nullptr);
  ASSERT_EQ(factory->CreateInstance(nullptr, IID_ITfTextInputProcessorEx,
                                    reinterpret_cast<void**>(&object)),
            S_OK);
  factory->Release();
  EXPECT_EQ(module_.CanUnloadNow(), S_FALSE) << "the text service holds the module";

  // Every interface of the object leads back to the same object.
  const IID* interfaces[] = {
      &IID_IUnknown,
      &IID_ITfTextInputProcessor,
      &IID_ITfTextInputProcessorEx,
      &IID_ITfThreadMgrEventSink,
      &IID_ITfTextEditSink,
      &IID_ITfKeyEventSink,
      &IID_ITfCompositionSink,
      &IID_ITfDisplayAttributeProvider,
      &IID_ITfActiveLanguageProfileNotifySink,
      &IID_ITfThreadFocusSink,
      &IID_ITfFunctionProvider,
  };
  IUnknown* identity = nullptr;
  ASSERT_EQ(object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)), S_OK);
  for (const IID* iid : interfaces) {
    IUnknown* found = nullptr;
    ASSERT_EQ(object->QueryInterface(*iid, reinterpret_cast<void**>(&found)), S_OK);
    IUnknown* back = nullptr;
    ASSERT_EQ(found->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&back)), S_OK);
    EXPECT_EQ(back, identity);
    back->Release();
    found->Release();
  }
  IUnknown* none = reinterpret_cast<IUnknown*>(1);
  EXPECT_EQ(object->QueryInterface(IID_ITfFunction, reinterpret_cast<void**>(&none)), E_NOINTERFACE);
  EXPECT_EQ(none, nullptr);
  EXPECT_EQ(object->QueryInterface(IID_IUnknown, nullptr), E_INVALIDARG);
  identity->Release();
  EXPECT_EQ(object->Release(), 0u);
  EXPECT_EQ(module_.CanUnloadNow(), S_OK);
}

// GDI+ belongs to the text service objects together: the first starts it,
// the last shuts it down, however many threads make and drop them.
TEST_F(ClassObjectTest, TextServicesStartGdiplusOnceAndTheLastShutsItDown) {
  IClassFactory* factory = Factory();
  ASSERT_NE(factory, nullptr);
  uint64_t mark = host::GdiplusMark();
  auto create = [&] {
    IUnknown* object = nullptr;
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&object)),
              S_OK);
    return object;
  };
  IUnknown* first = create();
  IUnknown* second = create();
  EXPECT_TRUE(host::GdiplusRunning());
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&] {
      for (int i = 0; i < 200; ++i) {
        IUnknown* object = create();
        if (object != nullptr) object->Release();
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  first->Release();
  EXPECT_TRUE(host::GdiplusRunning()) << "the second object still uses it";
  second->Release();
  EXPECT_FALSE(host::GdiplusRunning());
  EXPECT_EQ(host::GdiplusCallsNamed("GdiplusStartup", mark).size(), 1u);
  EXPECT_EQ(host::GdiplusCallsNamed("GdiplusShutdown", mark).size(), 1u);
  factory->Release();
}

// Threads that take and drop the factory at once: the one that drops the
// last reference deletes it while another may be handing it out again.
// A factory handed out must stay alive (ASan sees a use after its deletion).
TEST_F(ClassObjectTest, FactoryHandedOutOnOneThreadIsNotDeletedByAnother) {
  std::vector<std::thread> threads;
  std::vector<int> failures(4, 0);
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([this, t, &failures] {
      for (int i = 0; i < 5000; ++i) {
        IClassFactory* factory = nullptr;
        if (module_.GetClassObject(CLSID_TextService, IID_IClassFactory,
                                   reinterpret_cast<void**>(&factory)) != S_OK) {
          ++failures[t];
          continue;
        }
        factory->LockServer(TRUE);
        factory->LockServer(FALSE);
        factory->Release();
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(failures, std::vector<int>(4, 0));
  EXPECT_EQ(module_.CanUnloadNow(), S_OK);
}

}  // namespace
