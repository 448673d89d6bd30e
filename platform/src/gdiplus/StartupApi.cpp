// GdiplusStartup and GdiplusShutdown.
#include "Platform.h"
#include "common/FailureSwitch.h"
#include "gdiplus/CallRecorder.h"
#include "gdiplus/GdiplusRuntime.h"

using namespace Gdiplus;

namespace {

Status WINAPI NotificationHook(ULONG_PTR* token) {
  if (token == nullptr) return InvalidParameter;
  *token = 1;
  return Ok;
}

VOID WINAPI NotificationUnhook(ULONG_PTR) {}

void Record(const char* name, Status status, ULONG_PTR token) {
  platform::CallRecorder& recorder = platform::CallRecorder::Instance();
  if (!recorder.On()) return;
  host::GdiplusCall call;
  call.name = name;
  call.status = status;
  call.object = token;
  try {
    recorder.Add(std::move(call));
  } catch (...) {
  }
}

}  // namespace

namespace Gdiplus {

Status WINAPI GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input,
                             GdiplusStartupOutput* output) {
  Status status = Ok;
  if (token == nullptr || input == nullptr) {
    status = InvalidParameter;
  } else if (input->GdiplusVersion < 1 || input->GdiplusVersion > 3) {
    status = UnsupportedGdiplusVersion;
  } else if (input->SuppressBackgroundThread && output == nullptr) {
    // The caller must then run the notification hooks itself.
    status = InvalidParameter;
  } else if (platform::ShouldFail("GdiplusStartup")) {
    status = GenericError;
  }
  if (status != Ok) {
    if (token != nullptr) *token = 0;
    Record("GdiplusStartup", status, 0);
    return status;
  }
  *token = platform::GdiplusRuntime::Instance().Start();
  if (output != nullptr) {
    output->NotificationHook = &NotificationHook;
    output->NotificationUnhook = &NotificationUnhook;
  }
  Record("GdiplusStartup", Ok, *token);
  return Ok;
}

VOID WINAPI GdiplusShutdown(ULONG_PTR token) {
  platform::GdiplusRuntime::Instance().Stop(token);
  Record("GdiplusShutdown", Ok, token);
}

}  // namespace Gdiplus
