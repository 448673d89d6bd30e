// Icons (platform/user32/WinIcon.h, host/user32/Icons.h).
#include <memory>
#include <vector>

#include "host/user32/Icons.h"
#include "user32/IconDirectory.h"
#include "user32/IconTable.h"

using platform::IconObject;
using platform::IconTable;

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
