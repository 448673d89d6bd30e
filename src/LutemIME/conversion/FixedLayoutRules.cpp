#include "conversion/FixedLayoutRules.h"

#include "conversion/RuleTableBuilder.h"

namespace {

// The order is part of the layout: key pairs before the single keys in them,
// every consonant key before the rules that look for Bengali consonants, wide
// contexts before narrow ones, leftover pre-base keys deleted only after all
// the moves, and the phala order last.
std::vector<RuleList::Source> LutemFixedTable() {
  RuleTableBuilder b;
  // Symbols and digits.
  b.Add(u"`", u"\u2018").Add(u"'", u"\u2019").Add(u"\"", u"\u201D").Add(u"~", u"\u201C");
  b.Add(u"\\$", u"\u09F3").Add(u"\\^", u"\u0981");
  b.Digits();
  // Joiners, the link key "g" and two-key vowels.
  b.Add(u"g\\-", u"\u200C").Add(u"g=", u"\u200D").Add(u"\\\\", u"\u09CE").Add(u"\\|", u"\u0983");
  b.Add(u"gg", u"\u09CD\u200C").Add(u"vA", u"\u09B0\u200D\u09CD\u09AF");
  b.Add(u"gf", u"\u0986").Add(u"gd", u"\u0989").Add(u"gx", u"\u09CB").Add(u"gX", u"\u0994");
  b.Add(u"gc", u"\u098F").Add(u"gC", u"\u0990").Add(u"gz", u"\u098B").Add(u"gD", u"\u098A");
  b.Add(u"gs", u"\u0987").Add(u"gS", u"\u0988").Add(u"Ff", u"\u0986").Add(u"F", u"\u0985");
  // Consonants and signs, one key each.
  b.Keys({{u'q', u"\u09DC"}, {u'Q', u"\u09DD"}, {u'w', u"\u09AF"}, {u'W', u"\u09DF"},
          {u'e', u"\u09A1"}, {u'E', u"\u09A2"}, {u'r', u"\u09AA"}, {u'R', u"\u09AB"},
          {u't', u"\u099F"}, {u'T', u"\u09A0"}, {u'y', u"\u099A"}, {u'Y', u"\u099B"},
          {u'u', u"\u099C"}, {u'U', u"\u099D"}, {u'i', u"\u09B9"}, {u'I', u"\u099E"},
          {u'o', u"\u0997"}, {u'O', u"\u0998"}, {u'p', u"\u0999"}, {u'P', u"\u0982"},
          {u'h', u"\u09AC"}, {u'H', u"\u09AD"}, {u'j', u"\u0995"}, {u'J', u"\u0996"},
          {u'k', u"\u09A4"}, {u'K', u"\u09A5"}, {u'l', u"\u09A6"}, {u'L', u"\u09A7"},
          {u'v', u"\u09B0"}, {u'V', u"\u09B2"}, {u'm', u"\u09A8"}, {u'M', u"\u09A3"},
          {u'n', u"\u09B8"}, {u'N', u"\u09B7"}, {u'b', u"\u09AE"}, {u'B', u"\u09B6"}});
  // Phala keys with the vowel key next to them, the danda, the link key alone.
  b.Add(u"da", u"\u09CD\u09B0\u09C1").Add(u"Da", u"\u09CD\u09B0\u09C2").Add(u"a", u"\u09CD\u09B0");
  b.Add(u"DA", u"\u09CD\u09AF\u09C2").Add(u"dA", u"\u09CD\u09AF\u09C1").Add(u"A", u"\u09CD\u09AF");
  b.Add(u"G", u"\u0964").Add(u"g", u"\u09CD");
  b.Reph(u"[scC]", u"Z");
  // Two-part vowel signs, the aa key, and the candrabindu typed before aa.
  const std::u16string consonant(RuleTableBuilder::kConsonant);
  b.Add(u"c(" + consonant + u")f", u"$1\u09CB").Add(u"c(" + consonant + u")X", u"$1\u09CC");
  b.Add(u"f", u"\u09BE").Add(u"\u0981([\u09BE])", u"$1\u0981");
  b.PreBase(u"c", u"\u09C7").PreBase(u"C", u"\u09C8").PreBase(u"s", u"\u09BF");
  // The other vowel keys.
  b.Keys({{u'z', u"\u09C3"}, {u'd', u"\u09C1"}, {u'D', u"\u09C2"}, {u'S', u"\u09C0"},
          {u'x', u"\u0993"}, {u'X', u"\u09D7"}});
  b.Delete(u"c").Delete(u"C").Delete(u"s");
  b.PhalaOrder();
  return b.Take();
}

}  // namespace

const RuleList& FixedLayoutRules() {
  static const RuleList list = RuleList::Build(LutemFixedTable);
  return list;
}
