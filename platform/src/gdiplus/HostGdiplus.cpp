// The host-control side of GDI+: the call record and the live objects.
#include "gdiplus/CallRecorder.h"
#include "gdiplus/GdiplusRuntime.h"
#include "gdiplus/ObjectRegistry.h"
#include "host/gdiplus/GdiplusCalls.h"

namespace host {

uint64_t GdiplusMark() { return platform::CallRecorder::Instance().Mark(); }

std::vector<GdiplusCall> GdiplusCallsSince(uint64_t mark) {
  return platform::CallRecorder::Instance().Since(mark);
}

std::vector<GdiplusCall> GdiplusCallsNamed(const std::string& name, uint64_t mark) {
  std::vector<GdiplusCall> named;
  for (GdiplusCall& call : GdiplusCallsSince(mark)) {
    if (call.name == name) named.push_back(std::move(call));
  }
  return named;
}

void RecordGdiplusCalls(bool on) { platform::CallRecorder::Instance().SetOn(on); }

std::vector<GdiplusObjectRecord> LiveGdiplusObjects() {
  return platform::ObjectRegistry::Instance().Live();
}

bool GdiplusRunning() { return platform::GdiplusRuntime::Instance().Running(); }

}  // namespace host
