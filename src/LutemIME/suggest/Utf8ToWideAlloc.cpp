#include "suggest/Utf8ToWideAlloc.h"

#include <climits>
#include <new>

WCHAR* Utf8ToWideAlloc(std::string_view text) {
  if (text.size() > static_cast<size_t>(INT_MAX)) return nullptr;
  int length = static_cast<int>(text.size());
  int size = length == 0 ? 0 : MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
  if (size < 0) return nullptr;
  WCHAR* wide = new (std::nothrow) WCHAR[static_cast<size_t>(size) + 1];
  if (wide == nullptr) return nullptr;
  if (size > 0 && MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide, size) != size) {
    delete[] wide;
    return nullptr;
  }
  wide[size] = 0;
  return wide;
}
