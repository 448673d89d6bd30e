// What an icon handle stands for, and how many icons are alive.
#pragma once

#include <cstddef>
#include <optional>

#include "Platform.h"

namespace host {

struct IconInfo {
  HINSTANCE module = nullptr;  // null for an icon not loaded from a module
  WORD groupId = 0;            // the RT_GROUP_ICON id asked for
  WORD imageId = 0;            // the RT_ICON image chosen
  int width = 0;
  int height = 0;
  bool shared = false;
};

// Nothing for a handle that is not a live icon (system cursors are not icons).
std::optional<IconInfo> DescribeIcon(HICON icon);
// Icons made and not destroyed (shared ones are not counted).
size_t LiveIconCount();

}  // namespace host
