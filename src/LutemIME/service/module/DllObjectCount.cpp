#include "service/module/DllObjectCount.h"

LONG volatile DllObjectCount = -1;

void DllAddRef() { InterlockedIncrement(&DllObjectCount); }

void ReleaseModule() { InterlockedDecrement(&DllObjectCount); }

bool ModuleInUse() {
  // An interlocked read: the count changes on other threads.
  return InterlockedCompareExchange(&DllObjectCount, 0, 0) >= 0;
}
