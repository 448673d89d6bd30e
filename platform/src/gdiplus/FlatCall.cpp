#include "gdiplus/FlatCall.h"

#include "common/FailureSwitch.h"
#include "gdiplus/CallRecorder.h"
#include "gdiplus/GdiplusRuntime.h"

namespace platform {

FlatCall::FlatCall(const char* name, Gdiplus::Status failStatus) : failStatus_(failStatus) {
  record.name = name;
}

bool FlatCall::Recording() const { return CallRecorder::Instance().On(); }

Gdiplus::Status FlatCall::Admit() {
  if (!GdiplusRuntime::Instance().Running()) return Gdiplus::GdiplusNotInitialized;
  if (ShouldFail(record.name)) return failStatus_;
  return Gdiplus::Ok;
}

Gdiplus::Status FlatCall::Finish(Gdiplus::Status status) {
  record.status = status;
  CallRecorder& recorder = CallRecorder::Instance();
  if (recorder.On()) {
    try {
      recorder.Add(std::move(record));
    } catch (...) {
      // A record that cannot be kept is dropped; the call's result stands.
    }
  }
  return status;
}

}  // namespace platform
