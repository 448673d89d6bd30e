#include "conversion/PhoneticScheme.h"

#include <algorithm>

#include "conversion/BengaliConstants.h"
#include "conversion/CodePoints.h"
#include "conversion/VowelEnding.h"

namespace {

bool KeepsCapital(char c) {
  switch (c) {
    case 'A': case 'O': case 'I': case 'U': case 'E': case 'D': case 'G': case 'J':
    case 'N': case 'R': case 'S': case 'T': case 'Y': case 'Z': case 'H': case 'X':
      return true;
    default:
      return false;
  }
}

// "w" before "a" and "e" writes ও, য + nukta (decomposed, unlike the tables),
// then the vowel sign.
const std::string& WaLiteral() {
  static const std::string s = Utf8FromCodePoints(U"\u0993\u09AF\u09BC\u09BE");
  return s;
}
const std::string& WeLiteral() {
  static const std::string s = Utf8FromCodePoints(U"\u0993\u09AF\u09BC\u09C7");
  return s;
}

}  // namespace

void PhoneticScheme::FillTables(const PhoneticTableRows& rows) {
  initialVowels.Fill(rows.initialVowels);
  vowelsAfterVowel.Fill(rows.vowelsAfterVowel);
  vowelSigns.Fill(rows.vowelSigns);
  consonants.Fill(rows.consonants);
  conjuncts.Fill(rows.conjuncts);
  signs.Fill(rows.signs);
  punctuation.Fill(rows.punctuation);
  phola.Fill(rows.phola);
  reph.Fill(rows.reph);
  digits.Fill(rows.digits);
}

void PhoneticScheme::AddVowelAlias(std::string key, std::string as) {
  vowelAliases_.emplace_back(std::move(key), std::move(as));
}

void PhoneticScheme::BuildKeyIndex() {
  const RuleMap* maps[] = {&initialVowels, &vowelsAfterVowel, &vowelSigns, &consonants,
                           &conjuncts,     &signs,            &punctuation, &phola,
                           &reph,          &digits};
  keys.Clear();
  maxKeyLength = 0;
  for (const RuleMap* map : maps) maxKeyLength = std::max(maxKeyLength, keys.InsertAll(*map));

  rules_.assign(keys.size(), KeyRules{});
  for (const RuleMap* map : maps) {
    map->ForEachKey([&](const std::string& key) {
      KeyRules& r = rules_[static_cast<size_t>(keys.Find(key))];
      r.digit = digits.Find(key);
      r.punctuation = punctuation.Find(key);
      r.reph = reph.Find(key);
      r.sign = signs.Find(key);
      r.signEndsInHasanta = key == ",," || key == ",.";
      r.conjunct = conjuncts.Find(key);
      r.conjunctEndsInVowel = r.conjunct && EndsInVowel(*r.conjunct);
      if (const std::string* p = phola.Find(key)) {
        r.isPhola = true;
        r.pholaJoined = p;
        if (key == "r") r.pholaAlone = consonants.Find("r_consonant");
        else if (key == "y") r.pholaAlone = consonants.Find("Y_consonant");
        else if (key == "z" || key == "Z") r.pholaAlone = consonants.Find("z");
      }
      r.consonant = consonants.Find(key);
      r.vowelInitial = initialVowels.Find(key);
      if (r.vowelInitial) {
        r.vowelAfterVowel = vowelsAfterVowel.Find(key);
        r.vowelSign = vowelSigns.Find(key);
      }
    });
  }
  for (const auto& [key, as] : vowelAliases_) {
    int32_t id = keys.Find(key);
    if (id == KeySet::kNoKey) continue;
    KeyRules& r = rules_[static_cast<size_t>(id)];
    r.vowelInitial = initialVowels.Find(as);
    r.vowelAfterVowel = vowelsAfterVowel.Find(as);
    r.vowelSign = vowelSigns.Find(key);
    if (!r.vowelSign) r.vowelSign = vowelSigns.Find(as);
  }
}

std::string PhoneticScheme::NormalizeCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z' && !KeepsCapital(c)) c = static_cast<char>(c + ('a' - 'A'));
  }
  return out;
}

PhoneticScheme::Token PhoneticScheme::NextToken(std::string_view text, size_t pos) const {
  Token t;
  t.pos = pos;
  t.length = keys.LongestMatch(text, pos, maxKeyLength, &t.id);
  if (t.length == 0) t.length = 1;  // a byte no key starts with stands alone
  return t;
}

std::vector<std::string> PhoneticScheme::Tokenize(std::string_view text) const {
  return keys.Tokenize(text, maxKeyLength);
}

std::string PhoneticScheme::Convert(std::string_view input) const {
  std::string out;
  if (input.empty()) return out;
  const std::string text = NormalizeCase(input);
  const std::string_view view(text);
  out.reserve(text.size() * 4);
  PhoneticContext context = Start;
  const std::string_view hasanta = BengaliConstants::hasanta;

  size_t p = 0;
  while (p < view.size()) {
    Token t = NextToken(view, p);
    p += t.length;
    const KeyRules* r = t.id == KeySet::kNoKey ? nullptr : &rules_[static_cast<size_t>(t.id)];

    if (TokenIs(view, t, " ")) {
      out += ' ';
      context = Start;
    } else if (TokenIs(view, t, "w")) {
      if (context == AfterConsonant) {
        out += hasanta;
        out += *phola.Find("w");
        continue;  // stays AfterConsonant
      }
      if (p < view.size()) {
        Token next = NextToken(view, p);
        if (TokenIs(view, next, "a") || TokenIs(view, next, "e")) {
          out += TokenIs(view, next, "a") ? WaLiteral() : WeLiteral();
          p += next.length;
          context = AfterVowel;
          continue;
        }
      }
      out += *vowelsAfterVowel.Find("O");
      context = AfterVowel;
    } else if (r && r->digit) {
      out += *r->digit;
      context = AfterOther;
    } else if (r && r->punctuation) {
      out += *r->punctuation;
      context = AfterOther;
    } else if (r && r->reph) {
      out += *r->reph;
      context = AfterOther;
    } else if (r && r->sign) {
      out += *r->sign;
      context = r->signEndsInHasanta ? AfterConsonant : AfterVowel;
    } else if (r && r->conjunct) {
      // A cluster written with its vowel ("nga", Avro's "wa") ends as a
      // vowel key does.
      out += *r->conjunct;
      context = r->conjunctEndsInVowel ? AfterVowel : AfterConsonant;
    } else if (r && r->isPhola) {
      if (context == AfterConsonant) {
        out += hasanta;
        out += *r->pholaJoined;
      } else if (r->pholaAlone) {
        out += *r->pholaAlone;
      }
      context = AfterConsonant;
    } else if (r && r->consonant) {
      out += *r->consonant;
      context = AfterConsonant;
    } else if (r && r->vowelInitial) {
      const std::string* v = context == AfterConsonant ? r->vowelSign
                             : context == AfterVowel   ? r->vowelAfterVowel
                                                       : r->vowelInitial;
      if (v) out += *v;
      context = AfterVowel;
    } else {
      out.append(view.substr(t.pos, t.length));
      context = AfterOther;
    }
  }
  return out;
}
