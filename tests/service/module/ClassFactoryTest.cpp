#include <gtest/gtest.h>

#include "Platform.h"
#include "service/module/CClassFactory.h"
#include "service/module/DllObjectCount.h"

namespace {

LONG Count() { return InterlockedCompareExchange(&DllObjectCount, 0, 0); }

struct CreatorCall {
  IUnknown* outer = nullptr;
  const IID* riid = nullptr;
  void** object = nullptr;
  int calls = 0;
} lastCall;

HRESULT RecordingCreator(IUnknown* outer, REFIID riid, void** object) {
  lastCall = {outer, &riid, object, lastCall.calls + 1};
  *object = nullptr;
  return E_NOINTERFACE;
}

const CLSID kClass = {0x1234, 0x5678, 0x9abc, {1, 2, 3, 4, 5, 6, 7, 8}};

TEST(ClassFactoryTest, EveryReferenceAndLockHoldsTheModule) {
  CClassFactory factory(kClass, RecordingCreator);
  LONG before = Count();
  IClassFactory* asFactory = nullptr;
  ASSERT_EQ(factory.QueryInterface(IID_IClassFactory, reinterpret_cast<void**>(&asFactory)), S_OK);
  EXPECT_EQ(asFactory, &factory);
  IUnknown* asUnknown = nullptr;
  ASSERT_EQ(factory.QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&asUnknown)), S_OK);
  EXPECT_EQ(Count(), before + 2);
  EXPECT_EQ(factory.AddRef(), static_cast<ULONG>(before + 3 + 1));
  EXPECT_EQ(factory.LockServer(TRUE), S_OK);
  EXPECT_EQ(Count(), before + 4);
  EXPECT_EQ(factory.LockServer(FALSE), S_OK);
  EXPECT_EQ(factory.Release(), static_cast<ULONG>(before + 2 + 1));
  asUnknown->Release();
  asFactory->Release();
  EXPECT_EQ(Count(), before);

  void* other = &factory;
  EXPECT_EQ(factory.QueryInterface(IID_ITfDisplayAttributeInfo, &other), E_NOINTERFACE);
  EXPECT_EQ(other, nullptr);
  EXPECT_EQ(Count(), before);
}

TEST(ClassFactoryTest, CreateInstanceHandsItsArgumentsToTheCreator) {
  CClassFactory factory(kClass, RecordingCreator);
  EXPECT_TRUE(IsEqualCLSID(factory.Clsid(), kClass));
  IUnknown* outer = reinterpret_cast<IUnknown*>(&factory);
  void* object = &factory;
  int before = lastCall.calls;
  EXPECT_EQ(factory.CreateInstance(outer, IID_ITfDisplayAttributeInfo, &object), E_NOINTERFACE);
  EXPECT_EQ(lastCall.calls, before + 1);
  EXPECT_EQ(lastCall.outer, outer);
  EXPECT_TRUE(IsEqualIID(*lastCall.riid, IID_ITfDisplayAttributeInfo));
  EXPECT_EQ(lastCall.object, &object);
  EXPECT_EQ(object, nullptr);
}

}  // namespace
