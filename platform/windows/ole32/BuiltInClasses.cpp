// The stand-in's classes on Windows: kept as their sources register them,
// published to COM for the process while a TSF application runs.
#include "ole32/BuiltInClasses.h"

#include <mutex>
#include <vector>

#include "ole32/BuiltInClassFactory.h"

namespace platform {
namespace {

struct BuiltInClass {
  CLSID clsid;
  BuiltInClassCreator creator;
  DWORD cookie = 0;
};

std::mutex& Lock() {
  static std::mutex lock;
  return lock;
}

std::vector<BuiltInClass>& Classes() {
  static std::vector<BuiltInClass> classes;
  return classes;
}

}  // namespace

void RegisterBuiltInClass(REFCLSID clsid, const char*, BuiltInClassCreator creator) {
  std::lock_guard<std::mutex> hold(Lock());
  Classes().push_back(BuiltInClass{clsid, creator});
}

void PublishBuiltInClasses() {
  std::lock_guard<std::mutex> hold(Lock());
  for (BuiltInClass& entry : Classes()) {
    if (entry.cookie != 0) continue;
    auto* factory = new (std::nothrow) BuiltInClassFactory(entry.creator);
    if (factory == nullptr) continue;
    if (FAILED(CoRegisterClassObject(entry.clsid, factory, CLSCTX_INPROC_SERVER,
                                     REGCLS_MULTIPLEUSE, &entry.cookie)))
      entry.cookie = 0;
    factory->Release();  // COM keeps its own reference while registered
  }
}

void WithdrawBuiltInClasses() {
  std::lock_guard<std::mutex> hold(Lock());
  for (BuiltInClass& entry : Classes()) {
    if (entry.cookie == 0) continue;
    CoRevokeClassObject(entry.cookie);
    entry.cookie = 0;
  }
}

}  // namespace platform
