#include <string>

#include "conversion/BengaliConstants.h"
#include "conversion/CodePoints.h"
#include "conversion/PhoneticTableRows.h"

RuleEntry R(std::string_view key, std::u32string_view value) {
  return RuleEntry{std::string(key), Utf8FromCodePoints(value)};
}

namespace {

std::string Join(std::u32string_view head, std::string_view a, std::string_view b,
                 std::u32string_view tail) {
  return Utf8FromCodePoints(head) + std::string(a) + std::string(b) + Utf8FromCodePoints(tail);
}

std::vector<RuleEntry> VowelRows(bool withEe, int which) {
  // which: 0 initial, 1 after a vowel, 2 vowel sign
  struct V {
    const char* key;
    const char32_t* initial;
    const char32_t* afterVowel;
    const char32_t* sign;
  };
  static const V vowels[] = {
      {"a", U"\u0986", U"\u0986", U"\u09BE"},   {"A", U"\u0986", U"\u0986", U"\u09BE"},
      {"i", U"\u0987", U"\u0987", U"\u09BF"},   {"I", U"\u0988", U"\u0988", U"\u09C0"},
      {"ee", nullptr, nullptr, U"\u09C0"},      {"u", U"\u0989", U"\u0989", U"\u09C1"},
      {"U", U"\u098A", U"\u098A", U"\u09C2"},   {"e", U"\u098F", U"\u098F", U"\u09C7"},
      {"E", U"\u098F", U"\u098F", U"\u09C7"},   {"o", U"\u0985", U"\u0993", U""},
      {"^", nullptr, nullptr, U"\u0981"},       {"O", U"\u0993", U"\u0993", U"\u09CB"},
      {"oo", U"\u0989", U"\u0989", U"\u09C1"},  {"OI", U"\u0990", U"\u0990", U"\u09C8"},
      {"OU", U"\u0994", U"\u0994", U"\u09CC"},  {"rri", U"\u098B", U"\u098B", U"\u09C3"},
  };
  std::vector<RuleEntry> rows;
  for (const V& v : vowels) {
    if (!withEe && std::string_view(v.key) == "ee") continue;
    const char32_t* value = which == 0 ? v.initial : which == 1 ? v.afterVowel : v.sign;
    if (value) rows.push_back(R(v.key, value));
  }
  return rows;
}

std::vector<RuleEntry> LutemConsonantRows() {
  return {
      R("k", U"\u0995"),  R("kh", U"\u0996"), R("g", U"\u0997"),  R("G", U"\u0997"),
      R("gh", U"\u0998"), R("Ng", U"\u0999"), R("c", U"\u099A"),  R("ch", U"\u099B"),
      R("j", U"\u099C"),  R("J", U"\u099C"),  R("jh", U"\u099D"), R("NG", U"\u099E"),
      R("t", U"\u09A4"),  R("th", U"\u09A5"), R("T", U"\u099F"),  R("Th", U"\u09A0"),
      R("TH", U"\u09CE"), R("d", U"\u09A6"),  R("dh", U"\u09A7"), R("D", U"\u09A1"),
      R("Dh", U"\u09A2"), R("n", U"\u09A8"),  R("N", U"\u09A3"),  R("p", U"\u09AA"),
      R("x", U"\u0995\u09CD\u09B8"),          R("X", U"\u09CE"),  R("ph", U"\u09AB"),
      R("f", U"\u09AB"),  R("b", U"\u09AC"),  R("bh", U"\u09AD"), R("v", U"\u09AD"),
      R("m", U"\u09AE"),  R("z", U"\u09AF"),  R("Z_consonant", U"\u09AF"),
      R("y_consonant", U"\u09DF"),            R("Y_consonant", U"\u09DF"),
      R("Y", U"\u09DF"),  R("r_consonant", U"\u09B0"),        R("R_consonant", U"\u09DC"),
      R("R", U"\u09DC"),  R("Rh_consonant", U"\u09DD"),       R("l", U"\u09B2"),
      R("s", U"\u09B8"),  R("S", U"\u09B6"),  R("sh", U"\u09B6"), R("Sh", U"\u09B7"),
      R("h", U"\u09B9"),  R("H", U"\u09B9"),  R("q", U"\u0995"),
  };
}

std::vector<RuleEntry> LutemConjunctRows() {
  // র, a zero width joiner, then ্য: the form that keeps র from becoming a reph.
  const std::string raYaPhala =
      Join(U"\u09B0", BengaliConstants::zwj, BengaliConstants::hasanta, U"\u09AF");
  return {
      R("kry", U"\u0995\u09CD\u09B0\u09CD\u09AF"),
      R("khry", U"\u0996\u09CD\u09B0\u09CD\u09AF"),
      R("gry", U"\u0997\u09CD\u09B0\u09CD\u09AF"),
      R("ghry", U"\u0998\u09CD\u09B0\u09CD\u09AF"),
      R("cry", U"\u099A\u09CD\u09B0\u09CD\u09AF"),
      R("chry", U"\u099B\u09CD\u09B0\u09CD\u09AF"),
      R("jry", U"\u099C\u09CD\u09B0\u09CD\u09AF"),
      R("jhry", U"\u099D\u09CD\u09B0\u09CD\u09AF"),
      R("Try", U"\u099F\u09CD\u09B0\u09CD\u09AF"),
      R("Thry", U"\u09A0\u09CD\u09B0\u09CD\u09AF"),
      R("Dry", U"\u09A1\u09CD\u09B0\u09CD\u09AF"),
      R("Dhry", U"\u09A2\u09CD\u09B0\u09CD\u09AF"),
      R("try", U"\u09A4\u09CD\u09B0\u09CD\u09AF"),
      R("thry", U"\u09A5\u09CD\u09B0\u09CD\u09AF"),
      R("dry", U"\u09A6\u09CD\u09B0\u09CD\u09AF"),
      R("dhry", U"\u09A7\u09CD\u09B0\u09CD\u09AF"),
      R("nry", U"\u09A8\u09CD\u09B0\u09CD\u09AF"),
      R("Nry", U"\u09A3\u09CD\u09B0\u09CD\u09AF"),
      R("pry", U"\u09AA\u09CD\u09B0\u09CD\u09AF"),
      R("fry", U"\u09AB\u09CD\u09B0\u09CD\u09AF"),
      R("phry", U"\u09AB\u09CD\u09B0\u09CD\u09AF"),
      R("bry", U"\u09AC\u09CD\u09B0\u09CD\u09AF"),
      R("vry", U"\u09AD\u09CD\u09B0\u09CD\u09AF"),
      R("bhry", U"\u09AD\u09CD\u09B0\u09CD\u09AF"),
      R("mry", U"\u09AE\u09CD\u09B0\u09CD\u09AF"),
      R("Sry", U"\u09B6\u09CD\u09B0\u09CD\u09AF"),
      R("shry", U"\u09B6\u09CD\u09B0\u09CD\u09AF"),
      R("sry", U"\u09B8\u09CD\u09B0\u09CD\u09AF"),
      R("Shry", U"\u09B7\u09CD\u09B0\u09CD\u09AF"),
      R("hry", U"\u09B9\u09CD\u09B0\u09CD\u09AF"),
      R("lry", U"\u09B2\u09CD\u09B0\u09CD\u09AF"),
      R("zry", U"\u09AF\u09CD\u09B0\u09CD\u09AF"),
      R("krZ", U"\u0995\u09CD\u09B0\u09CD\u09AF"),
      R("khrZ", U"\u0996\u09CD\u09B0\u09CD\u09AF"),
      R("grZ", U"\u0997\u09CD\u09B0\u09CD\u09AF"),
      R("ghrZ", U"\u0998\u09CD\u09B0\u09CD\u09AF"),
      R("crZ", U"\u099A\u09CD\u09B0\u09CD\u09AF"),
      R("chrZ", U"\u099B\u09CD\u09B0\u09CD\u09AF"),
      R("jrZ", U"\u099C\u09CD\u09B0\u09CD\u09AF"),
      R("jhrZ", U"\u099D\u09CD\u09B0\u09CD\u09AF"),
      R("TrZ", U"\u099F\u09CD\u09B0\u09CD\u09AF"),
      R("ThrZ", U"\u09A0\u09CD\u09B0\u09CD\u09AF"),
      R("DrZ", U"\u09A1\u09CD\u09B0\u09CD\u09AF"),
      R("DhrZ", U"\u09A2\u09CD\u09B0\u09CD\u09AF"),
      R("trZ", U"\u09A4\u09CD\u09B0\u09CD\u09AF"),
      R("thrZ", U"\u09A5\u09CD\u09B0\u09CD\u09AF"),
      R("drZ", U"\u09A6\u09CD\u09B0\u09CD\u09AF"),
      R("dhrZ", U"\u09A7\u09CD\u09B0\u09CD\u09AF"),
      R("nrZ", U"\u09A8\u09CD\u09B0\u09CD\u09AF"),
      R("NrZ", U"\u09A3\u09CD\u09B0\u09CD\u09AF"),
      R("prZ", U"\u09AA\u09CD\u09B0\u09CD\u09AF"),
      R("frZ", U"\u09AB\u09CD\u09B0\u09CD\u09AF"),
      R("phrZ", U"\u09AB\u09CD\u09B0\u09CD\u09AF"),
      R("brZ", U"\u09AC\u09CD\u09B0\u09CD\u09AF"),
      R("vrZ", U"\u09AD\u09CD\u09B0\u09CD\u09AF"),
      R("bhrZ", U"\u09AD\u09CD\u09B0\u09CD\u09AF"),
      R("mrZ", U"\u09AE\u09CD\u09B0\u09CD\u09AF"),
      R("SrZ", U"\u09B6\u09CD\u09B0\u09CD\u09AF"),
      R("shrZ", U"\u09B6\u09CD\u09B0\u09CD\u09AF"),
      R("srZ", U"\u09B8\u09CD\u09B0\u09CD\u09AF"),
      R("ShrZ", U"\u09B7\u09CD\u09B0\u09CD\u09AF"),
      R("hrZ", U"\u09B9\u09CD\u09B0\u09CD\u09AF"),
      R("lrZ", U"\u09B2\u09CD\u09B0\u09CD\u09AF"),
      R("zrZ", U"\u09AF\u09CD\u09B0\u09CD\u09AF"),
      R("Shkr", U"\u09B7\u09CD\u0995\u09CD\u09B0"),
      R("kkhN", U"\u0995\u09CD\u09B7\u09CD\u09A3"),
      R("kShN", U"\u0995\u09CD\u09B7\u09CD\u09A3"),
      R("kxN", U"\u0995\u09CD\u09B7\u09CD\u09A3"),
      R("kkhm", U"\u0995\u09CD\u09B7\u09CD\u09AE"),
      R("kShm", U"\u0995\u09CD\u09B7\u09CD\u09AE"),
      R("kxm", U"\u0995\u09CD\u09B7\u09CD\u09AE"),
      R("kkh", U"\u0995\u09CD\u09B7"),
      R("kSh", U"\u0995\u09CD\u09B7"),
      R("kx", U"\u0995\u09CD\u09B7"),
      R("ksh", U"\u0995\u09CD\u09B6"),
      R("kk", U"\u0995\u09CD\u0995"),
      R("kT", U"\u0995\u09CD\u099F"),
      R("kt", U"\u0995\u09CD\u09A4"),
      R("km", U"\u0995\u09CD\u09AE"),
      R("kl", U"\u0995\u09CD\u09B2"),
      R("ks", U"\u0995\u09CD\u09B8"),
      R("gdh", U"\u0997\u09CD\u09A7"),
      R("Gdh", U"\u0997\u09CD\u09A7"),
      R("gn", U"\u0997\u09CD\u09A8"),
      R("Gn", U"\u0997\u09CD\u09A8"),
      R("gN", U"\u0997\u09CD\u09A3"),
      R("GN", U"\u0997\u09CD\u09A3"),
      R("gm", U"\u0997\u09CD\u09AE"),
      R("Gm", U"\u0997\u09CD\u09AE"),
      R("gl", U"\u0997\u09CD\u09B2"),
      R("Gl", U"\u0997\u09CD\u09B2"),
      R("gg", U"\u099C\u09CD\u099E"),
      R("GG", U"\u099C\u09CD\u099E"),
      R("Gg", U"\u099C\u09CD\u099E"),
      R("gG", U"\u099C\u09CD\u099E"),
      R("ghn", U"\u0998\u09CD\u09A8"),
      R("Ghn", U"\u0998\u09CD\u09A8"),
      R("NgkSh", U"\u0999\u09CD\u0995\u09CD\u09B7"),
      R("Ngkkh", U"\u0999\u09CD\u0995\u09CD\u09B7"),
      R("Ngkx", U"\u0999\u09CD\u0995\u09CD\u09B7"),
      R("Ngkh", U"\u0999\u09CD\u0996"),
      R("nkh", U"\u0999\u09CD\u0996"),
      R("Ngk", U"\u0999\u09CD\u0995"),
      R("nk", U"\u0999\u09CD\u0995"),
      R("Ngg", U"\u0999\u09CD\u0997"),
      R("ngo", U"\u0999\u09CD\u0997"),
      R("ngOU", U"\u0999\u09CD\u0997\u09CC"),
      R("ngOI", U"\u0999\u09CD\u0997\u09C8"),
      R("nga", U"\u0999\u09CD\u0997\u09BE"),
      R("ngi", U"\u0999\u09CD\u0997\u09BF"),
      R("ngI", U"\u0999\u09CD\u0997\u09C0"),
      R("ngu", U"\u0999\u09CD\u0997\u09C1"),
      R("ngU", U"\u0999\u09CD\u0997\u09C2"),
      R("nge", U"\u0999\u09CD\u0997\u09C7"),
      R("ngO", U"\u0999\u09CD\u0997\u09CB"),
      R("Nggh", U"\u0999\u09CD\u0998"),
      R("ngh", U"\u0999\u09CD\u0998"),
      R("ngH", U"\u0982\u09B9"),
      R("Ngm", U"\u0999\u09CD\u09AE"),
      R("NGch", U"\u099E\u09CD\u099B"),
      R("nch", U"\u099E\u09CD\u099B"),
      R("NGc", U"\u099E\u09CD\u099A"),
      R("nc", U"\u099E\u09CD\u099A"),
      R("NGjh", U"\u099E\u09CD\u099D"),
      R("njh", U"\u099E\u09CD\u099D"),
      R("NGj", U"\u099E\u09CD\u099C"),
      R("nj", U"\u099E\u09CD\u099C"),
      R("ndh", U"\u09A8\u09CD\u09A7"),
      R("NTh", U"\u09A3\u09CD\u09A0"),
      R("nth", U"\u09A8\u09CD\u09A5"),
      R("nTh", U"\u09A8\u09CD\u09A0"),
      R("NDh", U"\u09A3\u09CD\u09A2"),
      R("nn", U"\u09A8\u09CD\u09A8"),
      R("NN", U"\u09A3\u09CD\u09A3"),
      R("Nn", U"\u09A3\u09CD\u09A3"),
      R("nm", U"\u09A8\u09CD\u09AE"),
      R("Nm", U"\u09A3\u09CD\u09AE"),
      R("nd", U"\u09A8\u09CD\u09A6"),
      R("nT", U"\u09A8\u09CD\u099F"),
      R("NT", U"\u09A3\u09CD\u099F"),
      R("nD", U"\u09A8\u09CD\u09A1"),
      R("ND", U"\u09A3\u09CD\u09A1"),
      R("nt", U"\u09A8\u09CD\u09A4"),
      R("ns", U"\u09A8\u09CD\u09B8"),
      R("nsh", U"\u09A8\u09B6"),
      R("cch", U"\u099A\u09CD\u099B"),
      R("cc", U"\u099A\u09CD\u099A"),
      R("jjh", U"\u099C\u09CD\u099D"),
      R("jj", U"\u099C\u09CD\u099C"),
      R("TT", U"\u099F\u09CD\u099F"),
      R("Tm", U"\u099F\u09CD\u09AE"),
      R("tth", U"\u09A4\u09CD\u09A5"),
      R("tt", U"\u09A4\u09CD\u09A4"),
      R("tn", U"\u09A4\u09CD\u09A8"),
      R("tm", U"\u09A4\u09CD\u09AE"),
      R("t``", U"\u09CE"),
      R("DD", U"\u09A1\u09CD\u09A1"),
      R("dhn", U"\u09A7\u09CD\u09A8"),
      R("dhm", U"\u09A7\u09CD\u09AE"),
      R("dgh", U"\u09A6\u09CD\u0998"),
      R("ddh", U"\u09A6\u09CD\u09A7"),
      R("dbh", U"\u09A6\u09CD\u09AD"),
      R("dv", U"\u09A6\u09CD\u09AD"),
      R("dm", U"\u09A6\u09CD\u09AE"),
      R("dg", U"\u09A6\u09CD\u0997"),
      R("dd", U"\u09A6\u09CD\u09A6"),
      R("phl", U"\u09AB\u09CD\u09B2"),
      R("fl", U"\u09AB\u09CD\u09B2"),
      R("pT", U"\u09AA\u09CD\u099F"),
      R("pt", U"\u09AA\u09CD\u09A4"),
      R("pn", U"\u09AA\u09CD\u09A8"),
      R("pp", U"\u09AA\u09CD\u09AA"),
      R("pl", U"\u09AA\u09CD\u09B2"),
      R("ps", U"\u09AA\u09CD\u09B8"),
      R("bdh", U"\u09AC\u09CD\u09A7"),
      R("bj", U"\u09AC\u09CD\u099C"),
      R("bd", U"\u09AC\u09CD\u09A6"),
      R("bb", U"\u09AC\u09CD\u09AC"),
      R("bl", U"\u09AC\u09CD\u09B2"),
      R("bhl", U"\u09AD\u09CD\u09B2"),
      R("vl", U"\u09AD\u09CD\u09B2"),
      R("mth", U"\u09AE\u09CD\u09A5"),
      R("mph", U"\u09AE\u09CD\u09AB"),
      R("mf", U"\u09AE\u09CD\u09AB"),
      R("mbh", U"\u09AE\u09CD\u09AD"),
      R("mv", U"\u09AE\u09CD\u09AD"),
      R("mn", U"\u09AE\u09CD\u09A8"),
      R("mp", U"\u09AE\u09CD\u09AA"),
      R("mm", U"\u09AE\u09CD\u09AE"),
      R("ml", U"\u09AE\u09CD\u09B2"),
      R("mb", U"\u09AE\u09CD\u09AC"),
      R("mpl", U"\u09AE\u09AA\u09CD\u09B2"),
      R("Rg", U"\u09DC\u09CD\u0997"),
      {"rZ", raYaPhala},
      {"ry", raYaPhala},
      R("lbh", U"\u09B2\u09CD\u09AD"),
      R("ldh", U"\u09B2\u09CD\u09A7"),
      R("lkh", U"\u09B2\u09CD\u0996"),
      R("lgh", U"\u09B2\u09CD\u0998"),
      R("lph", U"\u09B2\u09CD\u09AB"),
      R("lk", U"\u09B2\u09CD\u0995"),
      R("lg", U"\u09B2\u09CD\u0997"),
      R("lT", U"\u09B2\u09CD\u099F"),
      R("lD", U"\u09B2\u09CD\u09A1"),
      R("lp", U"\u09B2\u09CD\u09AA"),
      R("lv", U"\u09B2\u09CD\u09AD"),
      R("lm", U"\u09B2\u09CD\u09AE"),
      R("ll", U"\u09B2\u09CD\u09B2"),
      R("lb", U"\u09B2\u09CD\u09AC"),
      R("shch", U"\u09B6\u09CD\u099B"),
      R("Sch", U"\u09B6\u09CD\u099B"),
      R("shc", U"\u09B6\u09CD\u099A"),
      R("Sc", U"\u09B6\u09CD\u099A"),
      R("sht", U"\u09B6\u09CD\u09A4"),
      R("St", U"\u09B6\u09CD\u09A4"),
      R("shn", U"\u09B6\u09CD\u09A8"),
      R("Sn", U"\u09B6\u09CD\u09A8"),
      R("shm", U"\u09B6\u09CD\u09AE"),
      R("Sm", U"\u09B6\u09CD\u09AE"),
      R("shl", U"\u09B6\u09CD\u09B2"),
      R("Sl", U"\u09B6\u09CD\u09B2"),
      R("ShTh", U"\u09B7\u09CD\u09A0"),
      R("Shph", U"\u09B7\u09CD\u09AB"),
      R("Shf", U"\u09B7\u09CD\u09AB"),
      R("Shk", U"\u09B7\u09CD\u0995"),
      R("ShT", U"\u09B7\u09CD\u099F"),
      R("ShN", U"\u09B7\u09CD\u09A3"),
      R("Shp", U"\u09B7\u09CD\u09AA"),
      R("Shm", U"\u09B7\u09CD\u09AE"),
      R("skl", U"\u09B8\u09CD\u0995\u09CD\u09B2"),
      R("skh", U"\u09B8\u09CD\u0996"),
      R("sth", U"\u09B8\u09CD\u09A5"),
      R("sph", U"\u09B8\u09CD\u09AB"),
      R("sf", U"\u09B8\u09CD\u09AB"),
      R("sk", U"\u09B8\u09CD\u0995"),
      R("sT", U"\u09B8\u09CD\u099F"),
      R("st", U"\u09B8\u09CD\u09A4"),
      R("sn", U"\u09B8\u09CD\u09A8"),
      R("sp", U"\u09B8\u09CD\u09AA"),
      R("sm", U"\u09B8\u09CD\u09AE"),
      R("sl", U"\u09B8\u09CD\u09B2"),
      R("spl", U"\u09B8\u09CD\u09AA\u09CD\u09B2"),
      R("hN", U"\u09B9\u09CD\u09A3"),
      R("hn", U"\u09B9\u09CD\u09A8"),
      R("hm", U"\u09B9\u09CD\u09AE"),
      R("hl", U"\u09B9\u09CD\u09B2"),
      R("oZ", U"\u0985\u09CD\u09AF"),
      R("oZA", U"\u0985\u09CD\u09AF\u09BE"),
  };
}

std::vector<RuleEntry> VowelSignOnItsOwnRows() {
  return {
      R("a`", U"\u09BE"),   R("i`", U"\u09BF"),   R("I`", U"\u09C0"),   R("u`", U"\u09C1"),
      R("U`", U"\u09C2"),   R("e`", U"\u09C7"),   R("O`", U"\u09CB"),   R("OI`", U"\u09C8"),
      R("OU`", U"\u09CC"),  R("rri`", U"\u09C3"), R("o`", U""),
  };
}

std::vector<RuleEntry> LutemSignRows() {
  std::vector<RuleEntry> rows = {
      R("ng", U"\u0982"),
      R("::", U"\u0983"),
      R("^", U"\u0981"),
      {",,", std::string(BengaliConstants::hasanta)},
      {",.", std::string(BengaliConstants::hasanta) + std::string(BengaliConstants::zwnj)},
  };
  for (auto& row : VowelSignOnItsOwnRows()) rows.push_back(std::move(row));
  rows.push_back(R(":`", U":"));
  rows.push_back(R(".`", U"."));
  rows.push_back(R("t``", U"\u09CE"));
  return rows;
}

std::vector<RuleEntry> PunctuationRows() {
  return {
      R("`", U""),         R("``", U"`"), R(".", U"\u0964"), R("..", U"\u0964\u0964"),
      R("...", U"..."),    R(",", U","),  R("^", U"\u0981"), R("$", U"\u09F3"),
  };
}

std::vector<RuleEntry> PholaRows() {
  return {R("y", U"\u09AF"), R("z", U"\u09AF"), R("Z", U"\u09AF"), R("r", U"\u09B0"),
          R("w", U"\u09AC")};
}

std::vector<RuleEntry> DigitRows(bool withFullStopDigits) {
  std::vector<RuleEntry> rows;
  for (char32_t d = 0; d < 10; ++d) {
    const char32_t digit[] = {static_cast<char32_t>(0x09E6 + d), 0};
    rows.push_back(R(std::string(1, static_cast<char>('0' + d)), digit));
  }
  if (withFullStopDigits) {
    for (char32_t d = 0; d < 10; ++d) {
      const char32_t value[] = {U'.', static_cast<char32_t>(0x09E6 + d), 0};
      rows.push_back(R(std::string(".") + static_cast<char>('0' + d), value));
    }
  }
  return rows;
}

std::vector<RuleEntry> Without(std::vector<RuleEntry> rows, std::string_view key) {
  std::vector<RuleEntry> kept;
  for (auto& row : rows)
    if (row.key != key) kept.push_back(std::move(row));
  return kept;
}

void Replace(std::vector<RuleEntry>& rows, std::string_view key, RuleEntry with) {
  for (auto& row : rows)
    if (row.key == key) row = std::move(with);
}

}  // namespace

PhoneticTableRows LutemPhoneticRows() {
  PhoneticTableRows t;
  t.initialVowels = VowelRows(true, 0);
  t.vowelsAfterVowel = VowelRows(true, 1);
  t.vowelSigns = VowelRows(true, 2);
  t.consonants = LutemConsonantRows();
  t.conjuncts = LutemConjunctRows();
  t.signs = LutemSignRows();
  t.punctuation = PunctuationRows();
  t.phola = PholaRows();
  t.reph = {R("rr", U"\u09B0\u09CD")};
  t.digits = DigitRows(true);
  return t;
}

PhoneticTableRows AvroPhoneticRows() {
  PhoneticTableRows t = LutemPhoneticRows();
  t.vowelSigns = VowelRows(false, 2);

  t.consonants = Without(std::move(t.consonants), "TH");
  Replace(t.consonants, "X", R("X", U"\u0995\u09CD\u09B8"));
  t.consonants.push_back(R("w_vowel", U"\u0993"));

  // Consonant + "ry"/"rZ" rows lead Lutem Phonetic's list; Avro has none of them.
  std::vector<RuleEntry> conjuncts;
  for (auto& row : t.conjuncts) {
    const std::string& k = row.key;
    bool raYaSuffix = k.size() > 2 && (k.compare(k.size() - 2, 2, "ry") == 0 ||
                                       k.compare(k.size() - 2, 2, "rZ") == 0);
    if (raYaSuffix || k == "oZA") continue;
    std::string key = k;
    conjuncts.push_back(std::move(row));
    if (key == "nsh") conjuncts.push_back(R("wa", U"\u0993\u09DF\u09BE"));
  }
  Replace(conjuncts, "mpl", R("mpl", U"\u09AE\u09CD\u09AA\u09CD\u09B2"));
  t.conjuncts = std::move(conjuncts);

  t.signs = {
      R("ng", U"\u0982"),
      R("^", U"\u0981"),
      {",,", std::string(BengaliConstants::hasanta) + std::string(BengaliConstants::zwnj)},
  };
  for (auto& row : VowelSignOnItsOwnRows()) t.signs.push_back(std::move(row));
  t.signs.push_back(R(":`", U"\u0983"));
  t.signs.push_back(R(":", U":"));
  t.signs.push_back(R(".`", U"."));
  t.signs.push_back(R("t``", U"\u09CE"));

  t.digits = DigitRows(false);
  return t;
}
