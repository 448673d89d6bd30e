// The exported GDI calls of WinGdi.h.
#include <cstring>
#include <limits>

#include "common/FailureSwitch.h"
#include "gdi32/Bitmap.h"
#include "gdi32/DeviceContext.h"
#include "gdi32/GdiObjectTable.h"

using platform::Bitmap;
using platform::DeviceContext;
using platform::GdiObject;
using platform::GdiObjectTable;

namespace {

// Largest pixel buffer a DIB section may have; Windows refuses sizes past
// what the process can map, and the stand-in stops well before.
constexpr uint64_t kMaxDibBytes = uint64_t{1} << 31;

bool IsDc(const std::shared_ptr<GdiObject>& object) {
  return object && (object->Type() == OBJ_DC || object->Type() == OBJ_MEMDC);
}

}  // namespace

HDC CreateCompatibleDC(HDC dc) {
  GdiObjectTable& table = GdiObjectTable::Instance();
  if (dc != nullptr && !IsDc(table.Find(dc))) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if (platform::ShouldFail("CreateCompatibleDC")) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  return static_cast<HDC>(
      table.Add(std::make_shared<DeviceContext>(DeviceContext::Kind::Memory, nullptr)));
}

HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset) {
  if (bits != nullptr) *bits = nullptr;
  if (info == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const BITMAPINFOHEADER& header = info->bmiHeader;
  // Only what our drawing needs is supported: 32-bit BI_RGB in memory of the
  // stand-in's own (no file-mapping section).
  if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biWidth <= 0 || header.biHeight == 0 ||
      header.biHeight == std::numeric_limits<LONG>::min() || header.biPlanes != 1 ||
      header.biBitCount != 32 || header.biCompression != BI_RGB || usage != DIB_RGB_COLORS ||
      section != nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  uint64_t height = header.biHeight < 0 ? -static_cast<int64_t>(header.biHeight) : header.biHeight;
  if (static_cast<uint64_t>(header.biWidth) * height * 4 > kMaxDibBytes) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  if (platform::ShouldFail("CreateDIBSection")) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  auto bitmap = Bitmap::NewDibSection(header.biWidth, header.biHeight);
  if (bits != nullptr) *bits = bitmap->Bits();
  return static_cast<HBITMAP>(GdiObjectTable::Instance().Add(std::move(bitmap)));
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  GdiObjectTable& table = GdiObjectTable::Instance();
  std::lock_guard<std::recursive_mutex> hold(table.Lock());
  auto context = table.FindAs<DeviceContext>(dc);
  std::shared_ptr<GdiObject> chosen = table.Find(object);
  if (!context || !chosen || IsDc(chosen)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  DWORD type = chosen->Type();
  bool stock = table.IsStock(object);
  if (type == OBJ_BITMAP) {
    // A bitmap is drawn on through one memory DC at a time.
    if (context->GetKind() != DeviceContext::Kind::Memory ||
        (!stock && chosen->selectedInto != nullptr && chosen->selectedInto != dc)) {
      return nullptr;
    }
  }
  if (platform::ShouldFail("SelectObject")) return nullptr;
  HGDIOBJ previous = context->Selected(type);
  if (previous == object) return previous;
  if (auto old = table.Find(previous); old && !table.IsStock(previous)) old->selectedInto = nullptr;
  if (!stock) chosen->selectedInto = dc;
  context->SetSelected(type, object);
  return previous;
}

BOOL DeleteObject(HGDIOBJ object) {
  GdiObjectTable& table = GdiObjectTable::Instance();
  std::lock_guard<std::recursive_mutex> hold(table.Lock());
  std::shared_ptr<GdiObject> found = table.Find(object);
  if (!found || IsDc(found)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  // Deleting a stock object is harmless and does nothing.
  if (table.IsStock(object)) return TRUE;
  // Windows refuses an object still selected into a DC.
  if (found->selectedInto != nullptr) return FALSE;
  return table.Remove(object) ? TRUE : FALSE;
}

BOOL DeleteDC(HDC dc) {
  GdiObjectTable& table = GdiObjectTable::Instance();
  std::lock_guard<std::recursive_mutex> hold(table.Lock());
  auto context = table.FindAs<DeviceContext>(dc);
  // A DC from GetDC goes back with ReleaseDC.
  if (!context || context->GetKind() != DeviceContext::Kind::Memory) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  for (HGDIOBJ held : context->Slots()) {
    if (auto object = table.Find(held); object && !table.IsStock(held)) object->selectedInto = nullptr;
  }
  return table.Remove(dc) ? TRUE : FALSE;
}

int GetObjectW(HGDIOBJ object, int size, LPVOID buffer) {
  auto bitmap = GdiObjectTable::Instance().FindAs<Bitmap>(object);
  if (!bitmap) return 0;
  if (buffer == nullptr) return sizeof(BITMAP);
  if (size < static_cast<int>(sizeof(BITMAP))) return 0;
  BITMAP info{};
  info.bmWidth = bitmap->Width();
  info.bmHeight = bitmap->Height();
  info.bmWidthBytes = bitmap->BitsPerPixel() == 32 ? bitmap->Stride() : 2;
  info.bmPlanes = 1;
  info.bmBitsPixel = static_cast<WORD>(bitmap->BitsPerPixel());
  info.bmBits = bitmap->Bits();
  std::memcpy(buffer, &info, sizeof info);
  return sizeof(BITMAP);
}

DWORD GetObjectType(HGDIOBJ object) {
  std::shared_ptr<GdiObject> found = GdiObjectTable::Instance().Find(object);
  if (!found) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return found->Type();
}

int GetDeviceCaps(HDC dc, int index) {
  auto context = GdiObjectTable::Instance().FindAs<DeviceContext>(dc);
  if (!context) return 0;
  switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY:
      return context->Dpi();
    default:
      return 0;
  }
}
