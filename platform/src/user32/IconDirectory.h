// Reading icon resources: the RT_GROUP_ICON directory (which image suits a
// size) and an RT_ICON image's own size.
#pragma once

#include <cstddef>
#include <optional>

#include "Platform.h"

namespace platform {

struct IconImageSize {
  int width;
  int height;
};

// The RT_ICON id of the image of a group that suits the size (see
// platform/user32/WinIcon.h); 0 for a directory that is not a whole icon
// group. A width or height of 0 takes the first image.
WORD ChooseIconImage(const void* directory, size_t size, int width, int height);
// The size of a PNG or DIB icon image; nothing for other bytes.
std::optional<IconImageSize> IconImageSizeOf(const void* image, size_t size);
// The size an icon is made at: the one asked for, else SM_CXICON/SM_CYICON
// with LR_DEFAULTSIZE, else the image's own.
IconImageSize DesiredIconSize(int width, int height, UINT flags, IconImageSize own);

}  // namespace platform
