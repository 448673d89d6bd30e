#include "conversion/KhiproScheme.h"

#include <mutex>

#include "conversion/BengaliConstants.h"
#include "conversion/KhiproTableRows.h"

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
    const KhiproTables::Hit hit = tables.Match(state, keys, p);
    if (hit.length == 0) {
      out += keys[p++];
      state = 0;
      continue;
    }
    // A phola joins the consonant before it through a hasanta.
    if (state == 3 && hit.group == KhiproTables::Phola) out += BengaliConstants::hasanta;
    out += *hit.value;
    p += hit.length;
    state = Next(state, hit.group);
  }
  return out;
}
