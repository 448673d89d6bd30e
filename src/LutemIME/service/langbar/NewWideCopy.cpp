#include "service/langbar/NewWideCopy.h"

#include <new>

WCHAR* NewWideCopy(const WCHAR* text) {
  size_t length = 0;
  while (text[length] != 0) ++length;
  WCHAR* copy = new (std::nothrow) WCHAR[length + 1];
  if (copy != nullptr) {
    for (size_t i = 0; i <= length; ++i) copy[i] = text[i];
  }
  return copy;
}
