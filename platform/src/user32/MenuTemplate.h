// Building menus from RT_MENU templates, in the normal (MENUITEMTEMPLATE)
// and the extended (MENUEX_TEMPLATE_ITEM) form.
#pragma once

#include <cstddef>

#include "Platform.h"

namespace platform {

// The menu (a menu bar whose items are usually popups); null with
// ERROR_INVALID_DATA for a template that ends early, nests too deep or has
// an unknown version.
HMENU LoadMenuTemplate(const void* data, size_t size);

}  // namespace platform
