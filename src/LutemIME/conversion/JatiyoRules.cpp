#include "conversion/JatiyoRules.h"

#include "conversion/RuleTableBuilder.h"

namespace {

// Same order constraints as "Lutem (Fixed)"; the positions below are the
// ones the modified list is cut from.
std::vector<RuleList::Source> JatiyoTable() {
  RuleTableBuilder b;
  // 1-14: symbols and digits.
  b.Add(u"\"", u"\u201D").Add(u"~", u"\u201C").Add(u"\\$", u"\u09F3").Add(u"&", u"\u0981");
  b.Digits();
  // 15-32: joiners, the link key "g" and two-key vowels; 23 is "gx".
  b.Add(u"g\\-", u"\u200C").Add(u"g\\+", u"\u200D").Add(u"\\\\", u"\u09CE").Add(u"\\|", u"\u0983");
  b.Add(u"gg", u"\u09CD\u200C").Add(u"vZ", u"\u09B0\u200D\u09CD\u09AF");
  b.Add(u"gf", u"\u0986").Add(u"gs", u"\u0989").Add(u"gx", u"\u09CB").Add(u"gX", u"\u0994");
  b.Add(u"gc", u"\u098F").Add(u"gC", u"\u0990").Add(u"ga", u"\u098B").Add(u"gS", u"\u098A");
  b.Add(u"gd", u"\u0987").Add(u"gD", u"\u0988").Add(u"Ff", u"\u0986").Add(u"F", u"\u0985");
  // 33-68: consonants and signs, one key each.
  b.Keys({{u'q', u"\u0999"}, {u'Q', u"\u0982"}, {u'w', u"\u09AF"}, {u'W', u"\u09DF"},
          {u'e', u"\u09A1"}, {u'E', u"\u09A2"}, {u'r', u"\u09AA"}, {u'R', u"\u09AB"},
          {u't', u"\u099F"}, {u'T', u"\u09A0"}, {u'y', u"\u099A"}, {u'Y', u"\u099B"},
          {u'u', u"\u099C"}, {u'U', u"\u099D"}, {u'i', u"\u09B9"}, {u'I', u"\u099E"},
          {u'o', u"\u0997"}, {u'O', u"\u0998"}, {u'p', u"\u09DC"}, {u'P', u"\u09DD"},
          {u'h', u"\u09AC"}, {u'H', u"\u09AD"}, {u'j', u"\u0995"}, {u'J', u"\u0996"},
          {u'k', u"\u09A4"}, {u'K', u"\u09A5"}, {u'l', u"\u09A6"}, {u'L', u"\u09A7"},
          {u'v', u"\u09B0"}, {u'V', u"\u09B2"}, {u'b', u"\u09A8"}, {u'B', u"\u09A3"},
          {u'n', u"\u09B8"}, {u'N', u"\u09B7"}, {u'm', u"\u09AE"}, {u'M', u"\u09B6"}});
  // 69-76: phala keys with the vowel key next to them, the danda, the link key.
  b.Add(u"sz", u"\u09CD\u09B0\u09C1").Add(u"Sz", u"\u09CD\u09B0\u09C2").Add(u"z", u"\u09CD\u09B0");
  b.Add(u"SZ", u"\u09CD\u09AF\u09C2").Add(u"sZ", u"\u09CD\u09AF\u09C1").Add(u"Z", u"\u09CD\u09AF");
  b.Add(u"G", u"\u0964").Add(u"g", u"\u09CD");
  // 77-80: the reph key "A".
  b.Reph(u"[dcC]", u"A");
  // 81-84: two-part vowel signs, the aa key, the candrabindu typed before aa.
  const std::u16string consonant(RuleTableBuilder::kConsonant);
  b.Add(u"c(" + consonant + u")f", u"$1\u09CB").Add(u"c(" + consonant + u")X", u"$1\u09CC");
  b.Add(u"f", u"\u09BE").Add(u"\u0981([\u09BE])", u"$1\u0981");
  // 85-90: pre-base keys moved behind their consonant.
  b.PreBase(u"c", u"\u09C7").PreBase(u"C", u"\u09C8").PreBase(u"d", u"\u09BF");
  // 91-96: the other vowel keys.
  b.Keys({{u'a', u"\u09C3"}, {u's', u"\u09C1"}, {u'S', u"\u09C2"}, {u'D', u"\u09C0"},
          {u'x', u"\u0993"}, {u'X', u"\u09D7"}});
  // 97-99: leftover pre-base keys; 100-101: phala order.
  b.Delete(u"c").Delete(u"C").Delete(u"d");
  b.PhalaOrder();
  return b.Take();
}

// The Jatiyo list without its vowel movement, by the one-based positions of
// the Jatiyo list.
std::vector<RuleList::Source> JatiyoModifiedTable() {
  const std::vector<RuleList::Source> jatiyo = JatiyoTable();
  std::vector<RuleList::Source> out;
  auto copy = [&](size_t first, size_t last) {
    for (size_t n = first; n <= last; ++n) out.push_back(jatiyo.at(n - 1));
  };
  copy(1, 22);
  out.push_back({u"gx", u"\u0993"});
  copy(24, 76);
  copy(78, 80);
  copy(83, 84);
  copy(91, 94);
  out.push_back({u"x", u"\u09CB"});
  out.push_back({u"X", u"\u09CC"});
  out.push_back({u"c", u"\u09C7"});
  out.push_back({u"C", u"\u09C8"});
  out.push_back({u"d", u"\u09BF"});
  copy(100, 101);
  return out;
}

}  // namespace

const RuleList& JatiyoRules() {
  static const RuleList list = RuleList::Build(JatiyoTable);
  return list;
}

const RuleList& JatiyoModifiedRules() {
  static const RuleList list = RuleList::Build(JatiyoModifiedTable);
  return list;
}
