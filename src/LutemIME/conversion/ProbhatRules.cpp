#include "conversion/ProbhatRules.h"

#include "conversion/RuleTableBuilder.h"

namespace {

// A doubled bracket or angle key stands for that character. It is parked as a
// pre-base key (deleted later, as no consonant follows it) and a private-use
// placeholder that no other rule reads, and restored at the very end, so that
// no rule in between mistakes it for a vowel key.
std::vector<RuleList::Source> ProbhatTable() {
  RuleTableBuilder b;
  b.Add(u"\\[\\[", u"[\uE000").Add(u"\\{\\{", u"{\uE001").Add(u"\\]\\]", u"[\uE002");
  b.Add(u"\\}\\}", u"{\uE003").Add(u"<<", u"[\uE004").Add(u">>", u"[\uE005");
  // Quotes, the danda, signs and digits.
  b.Add(u"`", u"\u2018").Add(u"'", u"\u2019").Add(u"\"", u"\u201D").Add(u"\\.", u"\u0964");
  b.Add(u"<", u"\u09C3").Add(u">", u"\u0981").Add(u"~", u"\u201C").Add(u"\\$", u"\u09F3");
  b.Add(u"&", u"\u0981");
  b.Digits();
  // The zero width non-joiner, and the link key "/" before a vowel key.
  b.Add(u"\\\\", u"\u200C").Add(u"//", u"\u200C\u09CD\u200C");
  b.Add(u"/a", u"\u0986").Add(u"/u", u"\u0989").Add(u"/\\]", u"\u0993").Add(u"/\\}", u"\u0994");
  b.Add(u"/\\[", u"\u098F").Add(u"/\\{", u"\u0990").Add(u"/,", u"\u098B").Add(u"/w", u"\u098A");
  b.Add(u"/e", u"\u0988").Add(u"/i", u"\u0987");
  // Independent vowels, consonants and signs, one key each.
  b.Add(u"Aa", u"\u0986");
  b.Keys({{u'A', u"\u0985"}, {u'q', u"\u09A6"}, {u'Q', u"\u09A7"}, {u'w', u"\u09C2"},
          {u'W', u"\u098A"}, {u'e', u"\u09C0"}, {u'E', u"\u0988"}, {u'r', u"\u09B0"},
          {u'R', u"\u09DC"}, {u't', u"\u099F"}, {u'T', u"\u09A0"}, {u'y', u"\u098F"},
          {u'Y', u"\u0990"}, {u'u', u"\u09C1"}, {u'U', u"\u0989"}, {u'I', u"\u0987"},
          {u'o', u"\u0993"}, {u'O', u"\u0994"}, {u'p', u"\u09AA"}, {u'P', u"\u09AB"},
          {u'h', u"\u09B9"}, {u'H', u"\u0983"}, {u'j', u"\u099C"}, {u'J', u"\u099D"},
          {u'k', u"\u0995"}, {u'K', u"\u0996"}, {u'l', u"\u09B2"}, {u'L', u"\u0982"},
          {u'v', u"\u0986"}, {u'V', u"\u098B"}, {u'b', u"\u09AC"}, {u'B', u"\u09AD"},
          {u'n', u"\u09A8"}, {u'N', u"\u09A3"}, {u'm', u"\u09AE"}, {u'M', u"\u0999"},
          {u'z', u"\u09DF"}, {u'Z', u"\u09AF"}, {u'G', u"\u0998"}, {u'g', u"\u0997"},
          {u'f', u"\u09A4"}, {u's', u"\u09B8"}, {u'S', u"\u09B7"}, {u'd', u"\u09A2"},
          {u'x', u"\u09B6"}, {u'X', u"\u09DD"}, {u'c', u"\u099A"}, {u'C', u"\u099B"},
          {u'/', u"\u09CD"}});
  b.Reph(u"[i\\[\\{]", u"\\|");
  // The e key, a consonant and the aa key make o; then the pre-base moves.
  const std::u16string consonant(RuleTableBuilder::kConsonant);
  b.Add(u"\\[(" + consonant + u")a", u"$1\u09CB");
  b.PreBase(u"\\[", u"\u09C7").PreBase(u"\\{", u"\u09C8").PreBase(u"i", u"\u09BF");
  // The vowel keys that follow their consonant.
  b.Add(u"a", u"\u09BE").Add(u"D", u"\u09C0").Add(u"\\]", u"\u09CB").Add(u"\\}", u"\u09CC");
  b.Delete(u"\\[").Delete(u"\\{").Delete(u"i");
  b.PhalaOrder();
  b.Add(u"\uE000", u"[").Add(u"\uE001", u"{").Add(u"\uE002", u"]");
  b.Add(u"\uE003", u"}").Add(u"\uE004", u"<").Add(u"\uE005", u">");
  return b.Take();
}

}  // namespace

const RuleList& ProbhatRules() {
  static const RuleList list = RuleList::Build(ProbhatTable);
  return list;
}
