#include "user32/MenuTemplate.h"

#include "user32/MenuTable.h"
#include "user32/ResourceReader.h"

namespace platform {
namespace {

constexpr int kMaxNesting = 32;
constexpr WORD kExtendedPopup = 0x01;
constexpr WORD kExtendedLast = 0x80;

// The items of one menu level, up to the one marked last. Needs the table's
// lock; menus made before a failure are left for the caller to destroy.
bool ReadNormal(ResourceReader& in, MenuTable& table, Menu& menu, int depth) {
  if (depth > kMaxNesting) return false;
  for (;;) {
    WORD option = in.Word();
    MenuItem item;
    if (!(option & MF_POPUP)) item.id = in.Word();
    item.text = in.String();
    if (!in.Ok()) return false;
    item.state = option & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
    item.type = option & (MF_MENUBARBREAK | MF_MENUBREAK | MF_OWNERDRAW | MF_SEPARATOR | MF_HELP);
    if (!(option & MF_POPUP) && item.id == 0 && item.text.empty()) item.type |= MFT_SEPARATOR;
    if (option & MF_POPUP) {
      Menu& sub = table.Create();
      item.submenu = sub.handle;
      menu.items.push_back(item);
      if (!ReadNormal(in, table, sub, depth + 1)) return false;
    } else {
      menu.items.push_back(item);
    }
    if (option & MF_END) return true;
  }
}

bool ReadExtended(ResourceReader& in, MenuTable& table, Menu& menu, int depth) {
  if (depth > kMaxNesting) return false;
  for (;;) {
    in.AlignToDword();
    MenuItem item;
    item.type = in.Dword();
    item.state = in.Dword();
    item.id = in.Dword();
    WORD flags = in.Word();
    item.text = in.String();
    if (!in.Ok()) return false;
    if (flags & kExtendedPopup) {
      in.AlignToDword();
      in.Dword();  // the popup's help id
      Menu& sub = table.Create();
      item.submenu = sub.handle;
      menu.items.push_back(item);
      if (!in.Ok() || !ReadExtended(in, table, sub, depth + 1)) return false;
    } else {
      menu.items.push_back(item);
    }
    if (flags & kExtendedLast) return true;
  }
}

}  // namespace

HMENU LoadMenuTemplate(const void* data, size_t size) {
  ResourceReader in(data, size);
  WORD version = in.Word();
  WORD offset = in.Word();
  MenuTable& table = MenuTable::Instance();
  auto hold = table.Hold();
  Menu& menu = table.Create();
  HMENU handle = menu.handle;
  bool ok = in.Ok();
  if (ok && version == 0) {
    in.Seek(4 + static_cast<size_t>(offset));
    ok = ReadNormal(in, table, menu, 0);
  } else if (ok && version == 1) {
    in.Seek(4 + static_cast<size_t>(offset));  // the offset counts from its own end
    ok = in.Ok() && ReadExtended(in, table, menu, 0);
  } else {
    ok = false;
  }
  if (!ok) {
    table.Destroy(handle);
    SetLastError(ERROR_INVALID_DATA);
    return nullptr;
  }
  return handle;
}

}  // namespace platform
