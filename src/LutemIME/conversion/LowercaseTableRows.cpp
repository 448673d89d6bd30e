#include "conversion/LowercaseTableRows.h"

#include "conversion/CodePoints.h"
#include "conversion/ConjunctJoiner.h"

std::string LowercaseKey(std::string_view spelled) {
  std::string key;
  key.reserve(spelled.size() * 3);
  for (char c : spelled) {
    if (c >= 'A' && c <= 'Z') {
      key += kShiftMarker;
      key += static_cast<char>(c + ('a' - 'A'));
    } else if (c == '~') {
      key += kShiftMarker;
    } else {
      key += c;
    }
  }
  return key;
}

namespace {

// A row whose key is spelled as LowercaseKey reads it.
RuleEntry S(std::string_view spelled, std::u32string_view value) {
  return RuleEntry{LowercaseKey(spelled), Utf8FromCodePoints(value)};
}

// A pseudo key, taken as written (its capitals are part of its name).
RuleEntry P(std::string_view key, std::u32string_view value) {
  return RuleEntry{std::string(key), Utf8FromCodePoints(value)};
}

std::vector<RuleEntry> InitialVowelRows() {
  return {
      S("a", U"\u0986"),  S("A", U"\u0986"),  S("i", U"\u0987"),   S("I", U"\u0988"),
      S("u", U"\u0989"),  S("U", U"\u098A"),  S("e", U"\u098F"),   S("E", U"\u098F"),
      S("o", U"\u0985"),  S("O", U"\u0993"),  S("oo", U"\u0989"),  S("OI", U"\u0990"),
      S("OU", U"\u0994"), S("rri", U"\u098B"),
  };
}

std::vector<RuleEntry> VowelSignRows() {
  return {
      S("a", U"\u09BE"),  S("A", U"\u09BE"),  S("i", U"\u09BF"),  S("ee", U"\u09C0"),
      S("I", U"\u09C0"),  S("u", U"\u09C1"),  S("U", U"\u09C2"),  S("e", U"\u09C7"),
      S("E", U"\u09C7"),  S("o", U""),        S("^", U"\u0981"),  S("O", U"\u09CB"),
      S("oo", U"\u09C1"), S("OI", U"\u09C8"), S("OU", U"\u09CC"), S("rri", U"\u09C3"),
  };
}

std::vector<RuleEntry> ConsonantRows() {
  return {
      S("k", U"\u0995"),   S("~", U""),         S("kh", U"\u0996"),  S("g", U"\u0997"),
      S("G", U"\u0997"),   S("gh", U"\u0998"),  S("Ng", U"\u0999"),  S("c", U"\u099A"),
      S("ch", U"\u099B"),  S("j", U"\u099C"),   S("J", U"\u099C"),   S("jh", U"\u099D"),
      S("NG", U"\u099E"),  S("t", U"\u09A4"),   S("th", U"\u09A5"),  S("T", U"\u099F"),
      S("Th", U"\u09A0"),  S("tH", U"\u09A0"),  S("TH", U"\u09CE"),  S("d", U"\u09A6"),
      S("dh", U"\u09A7"),  S("D", U"\u09A1"),   S("Dh", U"\u09A2"),  S("dH", U"\u09A2"),
      S("n", U"\u09A8"),   S("N", U"\u09A3"),   S("p", U"\u09AA"),
      S("x", U"\u0995\u09CD\u09B8"),            S("X", U"\u09CE"),   S("ph", U"\u09AB"),
      S("f", U"\u09AB"),   S("b", U"\u09AC"),   S("bh", U"\u09AD"),  S("v", U"\u09AD"),
      S("m", U"\u09AE"),   S("z", U"\u09AF"),   P("Z_consonant", U"\u09AF"),
      P("y_consonant", U"\u09DF"),              P("Y_consonant", U"\u09DF"),
      S("Y", U"\u09DF"),   P("r_consonant", U"\u09B0"),          P("R_consonant", U"\u09DC"),
      S("R", U"\u09DC"),   P("Rh_consonant", U"\u09DD"),         S("l", U"\u09B2"),
      S("s", U"\u09B8"),   S("S", U"\u09B6"),   S("sh", U"\u09B6"),  S("Sh", U"\u09B7"),
      S("h", U"\u09B9"),   S("H", U"\u09B9"),   S("q", U"\u0995"),   P("w_vowel", U"\u0993"),
  };
}

// The letters clusters are made of: the consonants without the pseudo keys
// and the lone marker, the phola letters, and the three keys of ক্ষ.
std::vector<RuleEntry> ClusterLetterRows(const std::vector<RuleEntry>& consonants) {
  std::vector<RuleEntry> letters;
  for (const auto& row : consonants)
    if (row.key.find('_') == std::string::npos && row.key != kShiftMarker) letters.push_back(row);
  const std::u32string ksa = U"\u0995\u09CD\u09B7";
  for (auto row : {S("r", U"\u09B0"), S("y", U"\u09AF"), S("Z", U"\u09AF"), S("kkh", ksa),
                   S("kx", ksa), S("kH", ksa)})
    letters.push_back(row);
  return letters;
}

const char* const kConjunctKeys[] = {
    "kry", "khry", "gry", "ghry", "cry", "chry", "jry", "jhry", "Try", "Thry", "Dry", "Dhry",
    "try", "thry", "dry", "dhry", "nry", "Nry", "pry", "fry", "phry", "bry", "vry", "bhry",
    "mry", "Sry", "shry", "sry", "Shry", "hry", "lry", "zry", "krZ", "khrZ", "grZ", "ghrZ",
    "crZ", "chrZ", "jrZ", "jhrZ", "TrZ", "ThrZ", "DrZ", "DhrZ", "trZ", "thrZ", "drZ", "dhrZ",
    "nrZ", "NrZ", "prZ", "frZ", "phrZ", "brZ", "vrZ", "bhrZ", "mrZ", "SrZ", "shrZ", "srZ",
    "ShrZ", "hrZ", "lrZ", "zrZ", "Shkr", "kkhN", "kHN", "kShN", "kxN", "kkhm", "kHm", "kShm",
    "kxm", "kkh", "kSh", "kx", "kH", "ksh", "kk", "kT", "kt", "km", "kl", "ks",
    "gdh", "Gdh", "gn", "Gn", "gN", "GN", "gm", "Gm", "gl", "Gl", "gg", "GG",
    "Gg", "gG", "ghn", "Ghn", "NgkSh", "Ngkkh", "Ngkx", "Ngkh", "nkh", "Ngk", "nk", "Ngg",
    "ngo", "ngOU", "ngOI", "nga", "ngi", "ngI", "ngu", "ngU", "nge", "ngO", "Nggh", "ngh",
    "ngH", "Ngm", "NGch", "nch", "NGc", "nc", "NGjh", "njh", "NGj", "nj", "ndh", "NTh",
    "nth", "nTh", "NDh", "nn", "NN", "Nn", "nm", "Nm", "nd", "nT", "NT", "nD",
    "ND", "nt", "ns", "nsh", "cch", "cc", "jjh", "jj", "TT", "Tm", "tth", "tt",
    "tn", "tm", "t``", "DD", "dhn", "dhm", "dgh", "ddh", "dbh", "dv", "dm", "dg",
    "dd", "phl", "fl", "pT", "pt", "pn", "pp", "pl", "ps", "bdh", "bj", "bd",
    "bb", "bl", "bhl", "vl", "mth", "mph", "mf", "mbh", "mv", "mn", "mp", "mm",
    "ml", "mb", "mpl", "Rg", "rZ", "ry", "lbh", "ldh", "lkh", "lgh", "lph", "lk",
    "lg", "lT", "lD", "lp", "lv", "lm", "ll", "lb", "shch", "Sch", "shc", "Sc",
    "sht", "St", "shn", "Sn", "shm", "Sm", "shl", "Sl", "ShTh", "Shph", "Shf", "Shk",
    "ShT", "ShN", "Shp", "Shm", "skl", "skh", "sth", "sph", "sf", "sk", "sT", "st",
    "sn", "sp", "sm", "sl", "spl", "hN", "hn", "hm", "hl", "oZ", "oZA",
};

// Clusters whose value does not follow from their letters.
std::vector<RuleEntry> ConjunctExceptionRows(std::string_view hasanta, std::string_view zwj) {
  const std::u32string jnya = U"\u099C\u09CD\u099E";
  const std::string rya = Utf8FromCodePoints(U"\u09B0") + std::string(zwj) +
                          std::string(hasanta) + Utf8FromCodePoints(U"\u09AF");
  std::vector<RuleEntry> rows = {
      S("gg", jnya),
      S("GG", jnya),
      S("Gg", jnya),
      S("gG", jnya),
      S("Ghn", U"\u0998\u09CD\u09A8"),
      S("nkh", U"\u0999\u09CD\u0996"),
      S("nk", U"\u0999\u09CD\u0995"),
      S("ngo", U"\u0999\u09CD\u0997"),
      S("ngOU", U"\u0999\u09CD\u0997\u09CC"),
      S("ngOI", U"\u0999\u09CD\u0997\u09C8"),
      S("nga", U"\u0999\u09CD\u0997\u09BE"),
      S("ngi", U"\u0999\u09CD\u0997\u09BF"),
      S("ngI", U"\u0999\u09CD\u0997\u09C0"),
      S("ngu", U"\u0999\u09CD\u0997\u09C1"),
      S("ngU", U"\u0999\u09CD\u0997\u09C2"),
      S("nge", U"\u0999\u09CD\u0997\u09C7"),
      S("ngO", U"\u0999\u09CD\u0997\u09CB"),
      S("ngh", U"\u0999\u09CD\u0998"),
      S("ngH", U"\u0982\u09B9"),
      S("nch", U"\u099E\u09CD\u099B"),
      S("nc", U"\u099E\u09CD\u099A"),
      S("njh", U"\u099E\u09CD\u099D"),
      S("nj", U"\u099E\u09CD\u099C"),
      S("Nn", U"\u09A3\u09CD\u09A3"),
      S("nsh", U"\u09A8\u09B6"),
      S("t``", U"\u09CE"),
      RuleEntry{LowercaseKey("rZ"), rya},
      RuleEntry{LowercaseKey("ry"), rya},
      S("oZ", U"\u0985\u09CD\u09AF"),
      S("oZA", U"\u0985\u09CD\u09AF\u09BE"),
  };
  return rows;
}

std::vector<RuleEntry> ConjunctRows(const std::vector<RuleEntry>& consonants,
                                    std::string_view hasanta, std::string_view zwj) {
  RuleMap exceptions;
  exceptions.Fill(ConjunctExceptionRows(hasanta, zwj));
  const ConjunctJoiner joiner(ClusterLetterRows(consonants));
  std::vector<RuleEntry> rows;
  for (const char* spelled : kConjunctKeys) {
    RuleEntry row{LowercaseKey(spelled), {}};
    if (const std::string* v = exceptions.Find(row.key)) row.value = *v;
    else if (!joiner.Join(row.key, &row.value)) continue;  // the row-count check catches it
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<RuleEntry> SignRows(std::string_view hasanta, std::string_view zwnj) {
  return {
      S("ng", U"\u0982"),   S("::", U"\u0983"),   S("^", U"\u0981"),
      RuleEntry{",,", std::string(hasanta) + std::string(zwnj)},
      S("a`", U"\u09BE"),   S("i`", U"\u09BF"),   S("I`", U"\u09C0"),  S("u`", U"\u09C1"),
      S("U`", U"\u09C2"),   S("e`", U"\u09C7"),   S("O`", U"\u09CB"),  S("OI`", U"\u09C8"),
      S("OU`", U"\u09CC"),  S("rri`", U"\u09C3"), S("o`", U""),        S(":`", U":"),
      S(".`", U"."),        S("t``", U"\u09CE"),
  };
}

// After the marker a digit or symbol key gives what Shift gives on a US
// keyboard, except 6, which gives the candrabindu.
std::vector<RuleEntry> PunctuationRows() {
  return {
      S("`", U""),         S("``", U"`"),       S(".", U"\u0964"),   S("..", U"\u0964\u0964"),
      S("...", U"..."),    S(",", U","),        S("^", U"\u0981"),   S("$", U"\u09F3"),
      S("~1", U"!"),       S("~2", U"@"),       S("~3", U"#"),       S("~4", U"$"),
      S("~5", U"%"),       S("~6", U"\u0981"),  S("~7", U"&"),       S("~8", U"*"),
      S("~9", U"("),       S("~0", U")"),       S("~-", U"_"),       S("~=", U"+"),
      S("~[", U"{"),       S("~]", U"}"),       S("~\\", U"|"),      S("~;", U":"),
      S("~'", U"\""),      S("~,", U"<"),       S("~.", U">"),       S("~/", U"?"),
  };
}

std::vector<RuleEntry> DigitRows() {
  std::vector<RuleEntry> rows;
  for (char32_t d = 0; d < 10; ++d) {
    const char key[] = {static_cast<char>('0' + d), '\0'};
    const char32_t value[] = {static_cast<char32_t>(0x09E6 + d), U'\0'};
    rows.push_back(S(key, value));
  }
  return rows;
}

}  // namespace

LowercaseTableRows LowercaseRows(std::string_view hasanta, std::string_view zwj,
                                 std::string_view zwnj) {
  LowercaseTableRows rows;
  rows.initialVowels = InitialVowelRows();
  rows.vowelSigns = VowelSignRows();
  rows.consonants = ConsonantRows();
  rows.conjuncts = ConjunctRows(rows.consonants, hasanta, zwj);
  rows.signs = SignRows(hasanta, zwnj);
  rows.punctuation = PunctuationRows();
  rows.phola = {S("y", U"\u09AF"), S("z", U"\u09AF"), S("Z", U"\u09AF"), S("r", U"\u09B0"),
                S("w", U"\u09AC")};
  rows.reph = {S("rr", U"\u09B0\u09CD")};
  rows.digits = DigitRows();
  return rows;
}
