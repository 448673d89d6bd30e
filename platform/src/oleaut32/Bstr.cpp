// BSTRs as oleaut32 lays them out: a 32-bit byte count, the units, then a
// NUL unit that is not counted. The pointer handed out is the first unit, so
// the count sits just before it and text with embedded NULs keeps its length.
// Failure switches: "SysAllocString", "SysAllocStringLen" (no memory: NULL).
#include <cstdlib>
#include <cstring>
#include <limits>

#include "Platform.h"
#include "common/FailureSwitch.h"
#include "common/HostText.h"

namespace {

constexpr size_t kPrefix = sizeof(DWORD);

DWORD* PrefixOf(BSTR text) {
  return reinterpret_cast<DWORD*>(reinterpret_cast<BYTE*>(text) - kPrefix);
}

// Room for units characters (copied from source when it is given).
BSTR Allocate(const OLECHAR* source, size_t units) {
  // The byte count must fit its 32-bit prefix.
  if (units > (std::numeric_limits<DWORD>::max() - kPrefix) / sizeof(OLECHAR) - 1) return nullptr;
  size_t bytes = units * sizeof(OLECHAR);
  auto* block = static_cast<BYTE*>(std::malloc(kPrefix + bytes + sizeof(OLECHAR)));
  if (block == nullptr) return nullptr;
  DWORD count = static_cast<DWORD>(bytes);
  std::memcpy(block, &count, kPrefix);
  auto* text = reinterpret_cast<BSTR>(block + kPrefix);
  if (source != nullptr)
    std::memcpy(text, source, bytes);
  else
    std::memset(text, 0, bytes);
  text[units] = 0;
  return text;
}

}  // namespace

BSTR SysAllocString(const OLECHAR* psz) {
  if (psz == nullptr) return nullptr;
  if (platform::ShouldFail("SysAllocString")) return nullptr;
  return Allocate(psz, platform::WideLength(psz));
}

BSTR SysAllocStringLen(const OLECHAR* strIn, UINT ui) {
  if (platform::ShouldFail("SysAllocStringLen")) return nullptr;
  return Allocate(strIn, ui);
}

UINT SysStringLen(BSTR pbstr) { return pbstr == nullptr ? 0 : *PrefixOf(pbstr) / sizeof(OLECHAR); }

UINT SysStringByteLen(BSTR bstr) { return bstr == nullptr ? 0 : *PrefixOf(bstr); }

void SysFreeString(BSTR bstrString) {
  if (bstrString != nullptr) std::free(PrefixOf(bstrString));
}
