#include "suggest/NarrowLoaderPath.h"

#include "Platform.h"

bool NarrowLoaderPath(const std::u16string& path, std::string* narrow) {
  char buffer[MAX_PATH];
  size_t converted = 0;
  if (wcstombs_s(&converted, buffer, sizeof buffer, reinterpret_cast<const WCHAR*>(path.c_str()),
                 _TRUNCATE) != 0)
    return false;
  // converted counts the NUL: 1 means an empty path.
  if (converted <= 1) return false;
  narrow->assign(buffer, converted - 1);
  return true;
}
