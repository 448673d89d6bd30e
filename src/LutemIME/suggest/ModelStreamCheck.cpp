#include "suggest/ModelStreamCheck.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <unordered_set>

#include "suggest/ModelStreamReader.h"

namespace {

// What the library writes at the start of an FST and of a symbol table.
constexpr int32_t kFstMagic = 2125659606;
constexpr int32_t kSymbolTableMagic = 2125658996;
// The vector FST's own file version; older ones the library refuses itself.
constexpr int32_t kMinVectorVersion = 2;
constexpr int32_t kHasInputSymbols = 0x1;
constexpr int32_t kHasOutputSymbols = 0x2;
constexpr int32_t kIsAligned = 0x4;

// Smallest records the stream can hold: a symbol (empty text, key), a state
// (final weight, arc count), an arc (two labels, weight, target).
constexpr size_t kSymbolBytes = 4 + 8;
constexpr size_t kStateBytes = 4 + 8;
constexpr size_t kArcBytes = 4 + 4 + 4 + 4;

class Check {
 public:
  explicit Check(std::string* problem) : problem_(problem) {}
  bool Fail(const char* what) {
    if (problem_ != nullptr) *problem_ = what;
    return false;
  }

 private:
  std::string* problem_;
};

// A member of the tropical semiring: any float but NaN and minus infinity.
bool IsTropicalMember(float weight) {
  return !std::isnan(weight) && weight != -std::numeric_limits<float>::infinity();
}

bool CheckSymbolTable(ModelStreamReader& in, Check& check) {
  int32_t magic = 0;
  if (!in.ReadInt32(&magic)) return check.Fail("symbol table cut short");
  if (magic != kSymbolTableMagic) return check.Fail("not a symbol table");
  std::string_view name;
  int64_t availableKey = 0;
  int64_t size = 0;
  if (!in.ReadString(&name) || !in.ReadInt64(&availableKey) || !in.ReadInt64(&size))
    return check.Fail("symbol table header cut short or too long");
  if (!in.CouldHold(size, kSymbolBytes)) return check.Fail("symbol count beyond the stream");

  std::unordered_set<int64_t> keys;
  std::unordered_set<std::string_view> texts;
  keys.reserve(static_cast<size_t>(size));
  texts.reserve(static_cast<size_t>(size));
  for (int64_t i = 0; i < size; ++i) {
    std::string_view text;
    int64_t key = 0;
    if (!in.ReadString(&text) || !in.ReadInt64(&key))
      return check.Fail("symbol cut short or too long");
    // Keys are arc labels, which are 32 bits wide and never negative.
    if (key < 0 || key > std::numeric_limits<int32_t>::max())
      return check.Fail("symbol key out of range");
    // The library keeps the first of two equal texts and drops the key of
    // the second, and a key given twice names two texts: neither comes from
    // a sound table.
    if (!keys.insert(key).second) return check.Fail("symbol key given twice");
    if (!texts.insert(text).second) return check.Fail("symbol text given twice");
  }
  return true;
}

}  // namespace

bool CheckModelStream(std::string_view plaintext, std::string* problem) {
  Check check(problem);
  ModelStreamReader in(plaintext);

  int32_t magic = 0;
  if (!in.ReadInt32(&magic)) return check.Fail("no FST header");
  if (magic != kFstMagic) return check.Fail("not an FST");
  std::string_view fstType, arcType;
  if (!in.ReadString(&fstType) || !in.ReadString(&arcType))
    return check.Fail("FST header cut short or too long");
  if (fstType != "vector") return check.Fail("not a vector FST");
  if (arcType != "standard") return check.Fail("not the standard arc");
  int32_t version = 0, flags = 0;
  int64_t properties = 0, start = 0, numStates = 0, numArcs = 0;
  if (!in.ReadInt32(&version) || !in.ReadInt32(&flags) || !in.ReadInt64(&properties) ||
      !in.ReadInt64(&start) || !in.ReadInt64(&numStates) || !in.ReadInt64(&numArcs))
    return check.Fail("FST header cut short");
  if (version < kMinVectorVersion) return check.Fail("FST version too old");
  if ((flags & ~(kHasInputSymbols | kHasOutputSymbols | kIsAligned)) != 0)
    return check.Fail("unknown FST header flags");
  if ((flags & kHasInputSymbols) == 0 || (flags & kHasOutputSymbols) == 0)
    return check.Fail("a symbol table is missing");
  // An unknown count (-1) would make the library read states until the end
  // of the stream, padding included.
  if (!in.CouldHold(numStates, kStateBytes) || numStates == 0)
    return check.Fail("state count missing or beyond the stream");
  if (!in.CouldHold(numArcs, kArcBytes)) return check.Fail("arc count beyond the stream");
  if (start < 0 || start >= numStates) return check.Fail("start state out of range");

  if (!CheckSymbolTable(in, check) || !CheckSymbolTable(in, check)) return false;

  if (!in.CouldHold(numStates, kStateBytes)) return check.Fail("state count beyond the stream");
  for (int64_t state = 0; state < numStates; ++state) {
    float finalWeight = 0;
    int64_t arcs = 0;
    if (!in.ReadFloat(&finalWeight) || !in.ReadInt64(&arcs)) return check.Fail("state cut short");
    if (!IsTropicalMember(finalWeight)) return check.Fail("final weight not a tropical weight");
    if (!in.CouldHold(arcs, kArcBytes)) return check.Fail("arc count beyond the stream");
    for (int64_t a = 0; a < arcs; ++a) {
      int32_t ilabel = 0, olabel = 0, target = 0;
      float weight = 0;
      if (!in.ReadInt32(&ilabel) || !in.ReadInt32(&olabel) || !in.ReadFloat(&weight) ||
          !in.ReadInt32(&target))
        return check.Fail("arc cut short");
      if (ilabel < 0 || olabel < 0) return check.Fail("negative arc label");
      if (!IsTropicalMember(weight)) return check.Fail("arc weight not a tropical weight");
      if (target < 0 || target >= numStates) return check.Fail("arc target out of range");
    }
  }
  return true;
}
