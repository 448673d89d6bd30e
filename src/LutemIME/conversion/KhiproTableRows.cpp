#include "conversion/KhiproTableRows.h"

#include <string>
#include <string_view>

#include "conversion/CodePoints.h"
#include "conversion/ConjunctJoiner.h"
#include "conversion/PhoneticTableRows.h"

namespace {

std::vector<RuleEntry> ShorRows() {
  return {
      R("o", U"\u0985"),
      R("oo", U"\u09BD"),
      R("fuf", U"\u200C\u09C1"),
      R("fuuf", U"\u200C\u09C2"),
      R("fqf", U"\u200C\u09C3"),
      R("fa", U"\u09BE"),
      R("a", U"\u0986"),
      R("fi", U"\u09BF"),
      R("i", U"\u0987"),
      R("fii", U"\u09C0"),
      R("ii", U"\u0988"),
      R("fu", U"\u09C1"),
      R("u", U"\u0989"),
      R("fuu", U"\u09C2"),
      R("uu", U"\u098A"),
      R("fq", U"\u09C3"),
      R("q", U"\u098B"),
      R("fe", U"\u09C7"),
      R("e", U"\u098F"),
      R("foi", U"\u09C8"),
      R("oi", U"\u0990"),
      R("fw", U"\u09CB"),
      R("w", U"\u0993"),
      R("fou", U"\u09CC"),
      R("ou", U"\u0994"),
      R("fae", U"\u09CD\u09AF\u09BE"),
      R("ae", U"\u0985\u09CD\u09AF\u09BE"),
      R("wa", U"\u0993\u09AF\u09BC\u09BE"),
      R("fwa", U"\u09CB\u09AF\u09BC\u09BE"),
      R("wae", U"\u0993\u09AF\u09BC\u09CD\u09AF\u09BE"),
      R("we", U"\u0993\u09AF\u09BC\u09C7"),
      R("fwe", U"\u09CB\u09AF\u09BC\u09C7"),
      R("ngo", U"\u0999"),
      R("nga", U"\u0999\u09BE"),
      R("ngi", U"\u0999\u09BF"),
      R("ngii", U"\u0999\u09C0"),
      R("ngu", U"\u0999\u09C1"),
      // ঙ with the sign that "kar" gives for uff and uuff, like every other
      // ng + vowel row; ঙ alone would drop the vowel that was typed.
      R("nguff", U"\u0999\u200C\u09C1"),
      R("nguu", U"\u0999\u09C2"),
      R("nguuff", U"\u0999\u200C\u09C2"),
      R("ngq", U"\u0999\u09C3"),
      R("nge", U"\u0999\u09C7"),
      R("ngoi", U"\u0999\u09C8"),
      R("ngw", U"\u0999\u09CB"),
      R("ngou", U"\u0999\u09CC"),
      R("ngae", U"\u0999\u09CD\u09AF\u09BE"),
  };
}

std::vector<RuleEntry> ByanjonRows() {
  return {
      R("k", U"\u0995"),   R("kh", U"\u0996"),  R("g", U"\u0997"),   R("gh", U"\u0998"),
      R("ngf", U"\u0999"), R("c", U"\u099A"),   R("ch", U"\u099B"),  R("j", U"\u099C"),
      R("jh", U"\u099D"),  R("nff", U"\u099E"), R("tf", U"\u099F"),  R("tff", U"\u09A0"),
      R("tfh", U"\u09A0"), R("df", U"\u09A1"),  R("dff", U"\u09A2"), R("dfh", U"\u09A2"),
      R("nf", U"\u09A3"),  R("t", U"\u09A4"),   R("th", U"\u09A5"),  R("d", U"\u09A6"),
      R("dh", U"\u09A7"),  R("n", U"\u09A8"),   R("p", U"\u09AA"),   R("ph", U"\u09AB"),
      R("b", U"\u09AC"),   R("v", U"\u09AD"),   R("m", U"\u09AE"),   R("z", U"\u09AF"),
      R("l", U"\u09B2"),   R("sh", U"\u09B6"),  R("sf", U"\u09B7"),  R("s", U"\u09B8"),
      R("h", U"\u09B9"),   R("y", U"\u09AF\u09BC"), R("rf", U"\u09A1\u09BC"),
      R("rff", U"\u09A2\u09BC"), R(",,", U"\u09BC"),
  };
}

// Clusters whose value follows from their letters.
const char* const kClusterKeys[] = {
    "kk", "ktf", "ktfr", "kt", "ktr", "kb", "km", "kz", "kr", "kl", "kf", "ksf", "kkh",
    "kfnf", "ksfnf", "kkhnf", "kfb", "ksfb", "kkhb", "kfm", "kkhm", "ksfm", "kfz", "ksfz",
    "kkhz", "ks", "khz", "khr", "gdh", "gdhz", "gdhr", "gn", "gnz", "gb", "gm", "gz", "gr",
    "grz", "gl", "ghn", "ghr", "ngk", "ngkz", "ngkr", "ngkkh", "ngksf", "ngkh", "ngg", "nggz",
    "nggh", "ngghz", "ngghr", "ngm", "cc", "cch", "cchb", "cchr", "cnff", "cb", "cz", "jj",
    "jjb", "jjh", "jnff", "jb", "jz", "jr", "nffc", "nffj", "nffjh", "nffch", "tftf", "tfb",
    "tfm", "tfz", "tfr", "dfdf", "dfb", "dfz", "dfr", "dffz", "dfhz", "dffr", "dfhr", "nftf",
    "nftff", "nftfh", "nftffz", "nftfhz", "nfdf", "nfdfz", "nfdfr", "nfdff", "nfdfh", "nfnf",
    "nfb", "nfm", "nfz", "tt", "ttb", "ttz", "tth", "tn", "tb", "tm", "tmz", "tz", "tr", "trz",
    "thb", "thz", "thr", "dd", "ddb", "ddh", "db", "dv", "dvr", "dm", "dz", "dr", "drz", "dhn",
    "dhb", "dhm", "dhz", "dhr", "ntf", "ntfr", "ntff", "ntfh", "ndf", "ndfr", "nt", "ntb",
    "ntr", "ntrz", "nth", "nthr", "nd", "ndb", "ndz", "ndr", "ndh", "ndhz", "ndhr", "nn", "nb",
    "nm", "nz", "ns", "ptf", "pt", "pn", "pp", "pz", "pr", "pl", "ps", "phr", "phl", "bj", "bd",
    "bdh", "bb", "bz", "br", "bl", "vb", "vz", "vr", "vl", "mn", "mp", "mpr", "mph", "mb",
    "mbr", "mv", "mvr", "mm", "mz", "mr", "ml", "zz", "lk", "lkz", "lg", "ltf", "ldf", "lp",
    "lph", "lb", "lm", "lz", "ll", "shc", "shch", "shn", "shb", "shm", "shz", "shr", "shl",
    "sfk", "sfkr", "sftf", "sftfz", "sftfr", "sftff", "sftfh", "sftffz", "sftfhz", "sfnf",
    "sfp", "sfpr", "sfph", "sfb", "sfm", "sfz", "sk", "skr", "skh", "stf", "stfr", "st", "stb",
    "stz", "str", "sth", "sthz", "sn", "sp", "spr", "spl", "sph", "sb", "sm", "sz", "sr", "sl",
    "hn", "hnf", "hb", "hm", "hz", "hr", "hl",
};

// A head and the letter after it, written side by side: without the row the
// longest match would cut the keys elsewhere (ksh would be ks + h).
const struct {
  const char* head;
  const char* letter;
} kGuardRows[] = {
    {"k", "sh"},  {"n", "sh"},   {"p", "sh"},   {"l", "d"},   {"g", "d"},    {"ngk", "k"},
    {"ngk", "s"}, {"c", "n"},    {"c", "nf"},   {"j", "n"},   {"j", "nf"},   {"tf", "t"},
    {"df", "d"},  {"nf", "t"},   {"nf", "d"},   {"l", "t"},   {"sf", "t"},   {"nf", "th"},
    {"nf", "dh"}, {"sf", "th"},  {"k", "tff"},  {"k", "tfh"}, {"p", "tff"},  {"p", "tfh"},
    {"l", "tff"}, {"l", "tfh"},  {"s", "tff"},  {"s", "tfh"}, {"df", "dff"}, {"df", "dfh"},
    {"n", "dff"}, {"n", "dfh"},  {"k", "th"},   {"gg", "gh"}, {"g", "dff"},  {"g", "dfh"},
    {"ngk", "th"}, {"rf", "gh"}, {"p", "th"},   {"p", "ph"},  {"b", "jh"},   {"l", "kh"},
    {"l", "gh"},  {"sf", "kh"},  {"l", "dh"},   {"ngk", "sh"}, {"tf", "th"}, {"df", "dh"},
    {"l", "th"},
};

// A head followed by ড় (key ending in rf) or ঢ় (rff), without a hasanta.
const char* const kNuktaTailKeys[] = {
    "ktfrf", "ktfrff", "ktrf", "ktrff", "krf", "krff", "khrf", "khrff", "gdhrf", "gdhrff",
    "grf", "grff", "ghrf", "ghrff", "ngkrf", "ngkrff", "ngghrf", "ngghrff", "cchrf", "cchrff",
    "tfrf", "tfrff", "dfrf", "dfrff", "dffrf", "dfhrf", "dffrff", "dfhrff", "nfdfrf",
    "nfdfrff", "trf", "trff", "thrf", "thrff", "dvrf", "dvrff", "drf", "drff", "dhrf", "dhrff",
    "ntfrf", "ntfrff", "ndfrf", "ndfrff", "ntrf", "ntrff", "nthrf", "nthrff", "ndrf", "ndrff",
    "ndhrf", "ndhrff", "prf", "prff", "phrf", "phrff", "brf", "brff", "vrf", "vrff", "mprf",
    "mprff", "mbrf", "mbrff", "mvrf", "mvrff", "mrf", "mrff", "shrf", "shrff", "sfkrf",
    "sfkrff", "sftfrf", "sftfrff", "sfprf", "sfprff", "skrf", "skrff", "stfrf", "stfrff",
    "strf", "strff", "sprf", "sprff", "srf", "srff", "hrf", "hrff",
};

std::vector<RuleEntry> ClusterExceptionRows() {
  const std::u32string ksna = U"\u0995\u09CD\u09B7\u09CD\u09A3";
  return {
      R("rz", U"\u09B0\u200D\u09CD\u09AF"),
      R("kfn", ksna),
      R("ksfn", ksna),
      R("kkhn", ksna),
      R("ggg", U"\u0997\u09CD\u0997"),
      R("gnf", U"\u0997\u09CD\u200C\u09A3"),
      R("ngkt", U"\u0999\u09CD\u200C\u0995\u09CD\u09A4"),
      R("gg", U"\u099C\u09CD\u099E"),
      R("nc", U"\u099E\u09CD\u099A"),
      R("nj", U"\u099E\u09CD\u099C"),
      R("njh", U"\u099E\u09CD\u099D"),
      R("nch", U"\u099E\u09CD\u099B"),
      R("ttf", U"\u099F\u09CD\u099F"),
      R("ddf", U"\u09A1\u09CD\u09A1"),
      R("rfg", U"\u09A1\u09BC\u09CD\u200C\u0997"),
      R("nfn", U"\u09A3\u09CD\u09A3"),
      R("dg", U"\u09A6\u09CD\u200C\u0997"),
      R("dgh", U"\u09A6\u09CD\u200C\u0998"),
      R("lv", U"\u09B2\u09CD\u200C\u09AD"),
      R("sfn", U"\u09B7\u09CD\u09A3"),
  };
}

// Conjuncts, guard rows, heads followed by ড় or ঢ়, and the exceptions. A row
// whose value cannot be made is left out; the row-count check catches it.
std::vector<RuleEntry> JuktolutemRows(const std::vector<RuleEntry>& byanjon) {
  std::vector<RuleEntry> letters;
  for (const auto& row : byanjon)
    if (row.key != ",,") letters.push_back(row);
  const std::u32string ksa = U"\u0995\u09CD\u09B7";
  for (auto row : {R("r", U"\u09B0"), R("ng", U"\u0999"), R("kf", ksa), R("kkh", ksa)})
    letters.push_back(row);
  const ConjunctJoiner joiner(letters);

  std::vector<RuleEntry> rows;
  for (const char* key : kClusterKeys) {
    RuleEntry row{key, {}};
    if (joiner.Join(row.key, &row.value)) rows.push_back(std::move(row));
  }
  const std::vector<RuleEntry> exceptions = ClusterExceptionRows();

  // Heads are read from the clusters when they are one, else from byanjon.
  RuleMap heads;
  {
    std::vector<RuleEntry> all = rows;
    all.insert(all.end(), exceptions.begin(), exceptions.end());
    all.insert(all.end(), byanjon.begin(), byanjon.end());
    heads.Fill(all);
  }
  RuleMap single;
  single.Fill(byanjon);

  for (const auto& g : kGuardRows) {
    const std::string* head = heads.Find(g.head);
    const std::string* letter = single.Find(g.letter);
    if (head && letter) rows.push_back(RuleEntry{std::string(g.head) + g.letter, *head + *letter});
  }
  for (const char* key : kNuktaTailKeys) {
    std::string_view k(key);
    const bool rff = k.size() > 3 && k.substr(k.size() - 3) == "rff";
    const std::string_view tail = rff ? "rff" : "rf";
    const std::string* head = heads.Find(k.substr(0, k.size() - tail.size()));
    if (head) rows.push_back(RuleEntry{std::string(k), *head + *single.Find(tail)});
  }
  rows.insert(rows.end(), exceptions.begin(), exceptions.end());
  return rows;
}

std::vector<RuleEntry> KarRows() {
  const std::u32string wae = U"\u0993\u09AF\u09BC\u09CD\u09AF\u09BE";
  return {
      R("o", U""),          R("of", U"\u0985"),   R("a", U"\u09BE"),    R("af", U"\u0986"),
      R("i", U"\u09BF"),    R("if", U"\u0987"),   R("ii", U"\u09C0"),   R("iif", U"\u0988"),
      R("u", U"\u09C1"),    R("uf", U"\u0989"),   R("uu", U"\u09C2"),   R("uuf", U"\u098A"),
      R("q", U"\u09C3"),    R("qf", U"\u098B"),   R("e", U"\u09C7"),    R("ef", U"\u098F"),
      R("oi", U"\u09C8"),   R("oif", U"\u0990"),  R("w", U"\u09CB"),    R("wf", U"\u0993"),
      R("ou", U"\u09CC"),   R("ouf", U"\u0994"),  R("ae", U"\u09CD\u09AF\u09BE"),
      R("aef", U"\u0985\u09CD\u09AF\u09BE"),      R("uff", U"\u200C\u09C1"),
      R("uuff", U"\u200C\u09C2"),                 R("qff", U"\u200C\u09C3"),
      R("we", U"\u09CB\u09AF\u09BC\u09C7"),       R("wef", U"\u0993\u09AF\u09BC\u09C7"),
      R("waf", U"\u0993\u09AF\u09BC\u09BE"),      R("wa", U"\u09CB\u09AF\u09BC\u09BE"),
      R("wae", wae),
  };
}

std::vector<RuleEntry> OngkoRows() {
  std::vector<RuleEntry> rows;
  for (bool afterStop : {true, false}) {
    for (int i = 1; i <= 10; ++i) {
      const int d = i % 10;  // 1 to 9, then 0
      std::string key = afterStop ? "." : "";
      key += static_cast<char>('0' + d);
      std::string value = afterStop ? "." : "";
      value += Utf8FromCodePoints(std::u32string(1, static_cast<char32_t>(0x09E6 + d)));
      rows.push_back(RuleEntry{key, value});
    }
  }
  return rows;
}

}  // namespace

std::vector<std::vector<RuleEntry>> KhiproGroupRows() {
  std::vector<RuleEntry> byanjon = ByanjonRows();
  std::vector<RuleEntry> juktolutem = JuktolutemRows(byanjon);
  return {
      ShorRows(),
      std::move(byanjon),
      std::move(juktolutem),
      {R("rr", U"\u09B0\u09CD"), R("r", U"\u09B0")},
      {R("r", U"\u09B0"), R("z", U"\u09AF")},
      KarRows(),
      OngkoRows(),
      {R("qq", U"\u09CD"), R("xx", U"\u09CD\u200C"), R("t/", U"\u09CE"), R("x", U"\u0983"),
       R("ng", U"\u0982"), R("/", U"\u0981"), R("//", U"/"), R("`", U"\u200C"),
       R("``", U"\u200D")},
      {R(".", U"\u0964"), R("...", U"..."), R("..", U"."), R("$", U"\u09F3"), R(",,,", U",,"),
       R(".f", U"\u0965"), R(".ff", U"\u09FA")},
      {R(";", U""), R(";;", U";")},
      {R("ae", U"\u200D\u09CD\u09AF\u09BE")},
  };
}
