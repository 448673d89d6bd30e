#include "service/module/DllObjectCount.h"

#include "service/module/ClassFactorySlot.h"

LONG volatile DllObjectCount = -1;

void DllAddRef() { InterlockedIncrement(&DllObjectCount); }

void ReleaseModule() {
  if (InterlockedDecrement(&DllObjectCount) >= 0) return;
  // The next DllGetClassObject makes a new factory.
  DeleteClassFactoryIfUnused();
}

bool ModuleInUse() {
  // An interlocked read: the count changes on other threads.
  return InterlockedCompareExchange(&DllObjectCount, 0, 0) >= 0;
}
