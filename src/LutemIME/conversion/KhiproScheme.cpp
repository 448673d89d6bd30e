#include "conversion/KhiproScheme.h"

#include <mutex>

#include "conversion/BengaliConstants.h"
#include "conversion/KhiproTableRows.h"
#include "conversion/VowelEnding.h"

namespace {

// Constructed on first use rather than at load, so that an engine made by
// another file's static constructor never meets it before it exists.
KhiproTables& Storage() {
  static KhiproTables tables;
  return tables;
}

std::once_flag buildOnce;

using T = KhiproTables;

// State 0: start, or after a digit, punctuation, a separator or an unknown
// byte; 1: after a vowel or a diacritic; 2: after the reph group; 3: after a
// consonant, a conjunct or a phola.
const std::array<std::vector<int>, T::kStateCount> kStateGroups = {{
    {T::Diacritic, T::Shor, T::Prithayok, T::Ongko, T::Biram, T::Reph, T::Juktolutem, T::Byanjon},
    {T::Diacritic, T::Shor, T::Biram, T::Prithayok, T::Ongko, T::Reph, T::Juktolutem, T::Byanjon},
    {T::Prithayok, T::Ae, T::Juktolutem, T::Byanjon, T::Kar},
    {T::Diacritic, T::Prithayok, T::Ongko, T::Biram, T::Kar, T::Juktolutem, T::Phola, T::Byanjon},
}};

// kNextState[group][state]; -1 where the state never tries the group.
constexpr signed char kNextState[T::kGroupCount][T::kStateCount] = {
    /* shor       */ {1, 1, -1, -1},
    /* byanjon    */ {3, 3, 3, 3},
    /* juktolutem */ {3, 3, 3, 3},
    /* reph       */ {2, 2, -1, -1},
    /* phola      */ {-1, -1, -1, 3},
    /* kar        */ {-1, -1, 1, 1},
    /* ongko      */ {0, 0, -1, 0},
    /* diacritic  */ {1, 1, -1, 1},
    /* biram      */ {0, 0, -1, 0},
    /* prithayok  */ {0, 0, 0, 0},
    /* ae         */ {-1, -1, 1, -1},
};

// After the reph (র্, state 2) the kar group's plain vowel keys would write a
// vowel sign behind the reph's hasanta, which no font can shape (র্া for
// "rra"). Such a key writes the vowel it writes where no consonant precedes
// instead, matched in the shor group, and leaves the state a vowel leaves.
// Keys with f or q ask for a particular sign or letter and keep it.
KhiproTables::Hit VowelAfterReph(const KhiproTables& tables, const KhiproTables::Hit& hit,
                                 std::string_view keys, size_t pos) {
  const std::string_view key = keys.substr(pos, hit.length);
  if (hit.group != KhiproTables::Kar || key.find_first_of("fq") != std::string_view::npos ||
      !StartsWithVowelSign(*hit.value))
    return hit;
  const KhiproTables::Hit vowel = tables.MatchGroup(KhiproTables::Shor, keys, pos);
  return vowel.length != 0 ? vowel : hit;
}

bool EndsWithHasanta(std::string_view text) {
  const std::string_view hasanta = BengaliConstants::hasanta;
  return text.size() >= hasanta.size() &&
         text.substr(text.size() - hasanta.size()) == hasanta;
}

inline int Next(int state, int group) {
  if (state < 0 || state >= T::kStateCount || group < 0 || group >= T::kGroupCount) return state;
  const int next = kNextState[group][state];
  return next < 0 ? state : next;
}

}  // namespace

KhiproScheme::KhiproScheme() { std::call_once(buildOnce, &KhiproScheme::BuildTables); }

const KhiproTables& KhiproScheme::Tables() { return Storage(); }

void KhiproScheme::BuildTables() { Storage().Build(KhiproGroupRows(), kStateGroups); }

KhiproMatch KhiproScheme::MatchLongest(int state, std::string_view text, size_t pos) const {
  const KhiproTables::Hit hit = Storage().Match(state, text, pos);
  if (hit.length == 0) return {};
  return KhiproMatch{KhiproTables::GroupName(hit.group), text.substr(pos, hit.length), *hit.value};
}

int KhiproScheme::NextState(int state, std::string_view group) {
  return Next(state, KhiproTables::GroupId(group));
}

std::string KhiproScheme::Convert(std::string_view keys) const {
  std::string out;
  out.reserve(keys.size() * 2);
  const KhiproTables& tables = Storage();
  int state = 0;
  for (size_t p = 0; p < keys.size();) {
    KhiproTables::Hit hit = tables.Match(state, keys, p);
    if (hit.length == 0) {
      out += keys[p++];
      state = 0;
      continue;
    }
    // "r" alone leads to state 2 as well, but writes a consonant that takes
    // the sign; only the reph's own hasanta needs the vowel.
    if (state == 2 && EndsWithHasanta(out)) {
      hit = VowelAfterReph(tables, hit, keys, p);
      if (hit.group == KhiproTables::Shor) {
        out += *hit.value;
        p += hit.length;
        state = Next(1, hit.group);
        continue;
      }
    }
    // A phola joins the consonant before it through a hasanta.
    if (state == 3 && hit.group == KhiproTables::Phola) out += BengaliConstants::hasanta;
    out += *hit.value;
    p += hit.length;
    state = Next(state, hit.group);
  }
  return out;
}
