#include "service/tsf/GdiplusInstance.h"

#include <mutex>

#include "Platform.h"

namespace {

std::mutex gdiplusLock;
long instances = 0;
ULONG_PTR gdiplusToken = 0;

}  // namespace

void GdiplusInstance::Acquire() {
  std::lock_guard<std::mutex> hold(gdiplusLock);
  if (instances++ > 0) return;
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok) gdiplusToken = token;
}

void GdiplusInstance::Release() {
  std::lock_guard<std::mutex> hold(gdiplusLock);
  if (instances == 0 || --instances > 0) return;
  if (gdiplusToken != 0) Gdiplus::GdiplusShutdown(gdiplusToken);
  gdiplusToken = 0;
}
