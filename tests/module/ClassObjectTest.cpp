// The module's class object as COM and TSF reach it: through the exports of
// the loaded module.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "LoadedModule.h"
#include "host/FailureSwitch.h"
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

TEST_F(ClassObjectTest, TheTextServiceItselfIsNotBuiltYet) {
  IClassFactory* factory = Factory();
  ASSERT_NE(factory, nullptr);
  IUnknown* object = reinterpret_cast<IUnknown*>(1);
  EXPECT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&object)),
            E_NOTIMPL);
  EXPECT_EQ(object, nullptr);
  IUnknown* outer = factory;
  EXPECT_EQ(factory->CreateInstance(outer, IID_IUnknown, reinterpret_cast<void**>(&object)),
            CLASS_E_NOAGGREGATION);
  factory->Release();
  EXPECT_EQ(module_.CanUnloadNow(), S_OK);
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
