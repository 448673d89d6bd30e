// The icons and cursors that user32 hands out as HICON/HCURSOR: the shared
// system cursors, and icons loaded from a module's resources. Each handle
// records what it stands for, so tests can ask which cursor was set or which
// module, id and size an icon came from.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <mutex>
#include <vector>
#include <optional>
#include <unordered_map>

#include "Platform.h"

namespace platform {

struct IconObject {
  enum class Kind { SystemCursor, ModuleIcon };
  Kind kind = Kind::ModuleIcon;
  WORD systemId = 0;  // system cursor: its IDC_ number
  HINSTANCE module = nullptr;
  WORD groupId = 0;  // module icon: the RT_GROUP_ICON id asked for...
  WORD imageId = 0;  // ...and the RT_ICON image chosen from it
  int width = 0;
  int height = 0;
  // A copy of the image's resource bytes (a DIB or a PNG), so the icon
  // outlives the module it came from, as on Windows.
  std::shared_ptr<const std::vector<BYTE>> image;
  bool shared = false;  // LR_SHARED, or a system cursor: DestroyIcon leaves it
};

class IconTable {
 public:
  static IconTable& Instance();

  // The shared handle of a system cursor; null for an id that is none.
  HICON SystemCursor(WORD id);
  HICON Add(const IconObject& object);
  // An LR_SHARED icon already loaded for the same module, group and size.
  HICON FindShared(HINSTANCE module, WORD groupId, int width, int height);
  // False for a handle that is not a live icon; shared icons stay.
  bool Destroy(HICON icon);
  std::optional<IconObject> Find(HICON icon);
  // Icons loaded and not destroyed (shared ones and cursors not counted).
  size_t LiveIconCount();

 private:
  std::mutex lock_;
  std::unordered_map<uintptr_t, IconObject> objects_;
  std::map<WORD, HICON> systemCursors_;
};

}  // namespace platform
