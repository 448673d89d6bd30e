// Icons (platform/user32/WinIcon.h, host/user32/Icons.h).
#include <memory>
#include <vector>

#include "common/FailureSwitch.h"
#include "host/user32/Icons.h"
#include "user32/IconDirectory.h"
#include "user32/IconTable.h"

using platform::IconObject;
using platform::IconTable;

namespace {

// The bytes of a module's resource; null with the last error set.
const BYTE* ResourceBytes(HINSTANCE module, LPCWSTR name, LPCWSTR type, DWORD* size) {
  HRSRC found = FindResourceW(module, name, type);
  HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes != nullptr) *size = SizeofResource(module, found);
  return static_cast<const BYTE*>(bytes);
}

}  // namespace

HANDLE LoadImageW(HINSTANCE instance, LPCWSTR name, UINT type, int cx, int cy, UINT flags) {
  if (type != IMAGE_ICON || instance == nullptr || (flags & LR_LOADFROMFILE)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (platform::ShouldFail("LoadImageW")) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  DWORD groupSize = 0;
  const BYTE* group = ResourceBytes(instance, name, RT_GROUP_ICON, &groupSize);
  if (group == nullptr) return nullptr;
  platform::IconImageSize wanted = platform::DesiredIconSize(cx, cy, flags, {0, 0});
  WORD imageId = platform::ChooseIconImage(group, groupSize, wanted.width, wanted.height);
  if (imageId == 0) {
    SetLastError(ERROR_INVALID_DATA);
    return nullptr;
  }
  WORD groupId = IS_INTRESOURCE(name) ? static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)) : 0;
  DWORD imageSize = 0;
  const BYTE* image = ResourceBytes(instance, MAKEINTRESOURCEW(imageId), RT_ICON, &imageSize);
  if (image == nullptr) return nullptr;
  std::optional<platform::IconImageSize> own = platform::IconImageSizeOf(image, imageSize);
  if (!own) {
    SetLastError(ERROR_INVALID_DATA);
    return nullptr;
  }
  platform::IconImageSize made = platform::DesiredIconSize(cx, cy, flags, *own);
  bool shared = (flags & LR_SHARED) != 0;
  if (shared)
    if (HICON existing = IconTable::Instance().FindShared(instance, groupId, made.width, made.height))
      return existing;
  IconObject object;
  object.module = instance;
  object.groupId = groupId;
  object.imageId = imageId;
  object.width = made.width;
  object.height = made.height;
  object.image = std::make_shared<const std::vector<BYTE>>(image, image + imageSize);
  object.shared = shared;
  return IconTable::Instance().Add(object);
}

int LookupIconIdFromDirectoryEx(PBYTE directory, BOOL icon, int cxDesired, int cyDesired,
                                UINT flags) {
  if (directory == nullptr || !icon) return 0;
  platform::IconImageSize wanted =
      platform::DesiredIconSize(cxDesired, cyDesired, flags, platform::IconImageSize{0, 0});
  // The directory's length is not given: it is trusted to hold its entries.
  return platform::ChooseIconImage(directory, static_cast<size_t>(-1) / 2, wanted.width,
                                   wanted.height);
}

HICON CreateIconFromResourceEx(PBYTE bits, DWORD size, BOOL icon, DWORD, int cxDesired,
                               int cyDesired, UINT flags) {
  if (bits == nullptr || !icon) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  std::optional<platform::IconImageSize> own = platform::IconImageSizeOf(bits, size);
  if (!own) {
    SetLastError(ERROR_INVALID_DATA);
    return nullptr;
  }
  platform::IconImageSize made = platform::DesiredIconSize(cxDesired, cyDesired, flags, *own);
  IconObject object;
  object.width = made.width;
  object.height = made.height;
  object.image = std::make_shared<const std::vector<BYTE>>(bits, bits + size);
  return IconTable::Instance().Add(object);
}

BOOL DestroyIcon(HICON icon) {
  std::optional<IconObject> found = IconTable::Instance().Find(icon);
  if (!found || found->kind != IconObject::Kind::ModuleIcon || !IconTable::Instance().Destroy(icon)) {
    SetLastError(ERROR_INVALID_ICON_HANDLE);
    return FALSE;
  }
  return TRUE;
}

namespace host {

std::optional<IconInfo> DescribeIcon(HICON icon) {
  std::optional<IconObject> found = IconTable::Instance().Find(icon);
  if (!found || found->kind != IconObject::Kind::ModuleIcon) return std::nullopt;
  IconInfo info;
  info.module = found->module;
  info.groupId = found->groupId;
  info.imageId = found->imageId;
  info.width = found->width;
  info.height = found->height;
  info.shared = found->shared;
  return info;
}

size_t LiveIconCount() { return IconTable::Instance().LiveIconCount(); }

}  // namespace host
