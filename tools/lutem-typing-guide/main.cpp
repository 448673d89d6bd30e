// Writes docs/TYPING.md, the guide to the keys of every layout, from the
// conversion engine itself: each key shown is one the layout's own tables
// hold (or, for the fixed layouts, a key of the keyboard), and it is shown
// only because the engine converts it to that letter. The test suite
// compares the output with the committed guide, so the two cannot drift.
//
//   lutem-typing-guide > docs/TYPING.md
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "conversion/CodePoints.h"
#include "conversion/ConversionDispatcher.h"
#include "conversion/KhiproTableRows.h"
#include "conversion/LowercaseTableRows.h"
#include "conversion/PhoneticTableRows.h"
#include "conversion/WideToUtf8.h"

namespace {

struct Layout {
  int number;
  const char* name;
  const char* about;
};

const std::vector<Layout>& Layouts() {
  static const std::vector<Layout> layouts = {
      {1, "Lutem Phonetic",
       "Phonetic: type the sound in Latin letters; capitals are letters of their own."},
      {2, "Khipro",
       "Phonetic, the default layout. A trailing f turns a letter into its partner "
       "(t ত, tf ট); capitals are the same as small letters."},
      {3, "Avro Phonetic", "Phonetic: type the sound in Latin letters; capitals are letters of their own."},
      {4, "Lutem (Fixed)", "Fixed: every key of the keyboard writes one letter or sign."},
      {5, "Jatiyo (Modified)", "Fixed: every key of the keyboard writes one letter or sign."},
      {6, "Probhat", "Fixed: every key of the keyboard writes one letter or sign."},
      {7, "Jatiyo", "Fixed: every key of the keyboard writes one letter or sign."},
      {8, "Lutem Lowercase (Experimental)",
       "Phonetic without capitals: where another layout uses a capital, this one "
       "takes Shift before the small letter (shown here as the capital)."},
  };
  return layouts;
}

bool IsFixed(int layout) { return layout >= 4 && layout <= 7; }

constexpr char16_t kShiftUnit = 0xF8FE;

// What the key buffer holds for keys as typed: in layout 8 a capital is the
// Shift marker and the small letter.
std::u16string Buffer(int layout, const std::string& typed) {
  std::u16string keys;
  for (char c : typed) {
    if (layout == 8 && c >= 'A' && c <= 'Z') {
      keys += kShiftUnit;
      keys += static_cast<char16_t>(c - 'A' + 'a');
    } else {
      keys += static_cast<char16_t>(static_cast<unsigned char>(c));
    }
  }
  return keys;
}

// A table key as the user types it; empty for a key that is not typed with
// letters and signs alone (layout 8's marker by itself).
std::string Typed(const std::string& key) {
  const std::string marker(kShiftMarker);
  std::string typed;
  for (size_t i = 0; i < key.size();) {
    if (key.compare(i, marker.size(), marker) == 0) {
      i += marker.size();
      if (i >= key.size() || key[i] < 'a' || key[i] > 'z') return "";
      typed += static_cast<char>(key[i++] - 'a' + 'A');
    } else if (static_cast<unsigned char>(key[i]) < 0x21 || static_cast<unsigned char>(key[i]) > 0x7E) {
      return "";
    } else {
      typed += key[i++];
    }
  }
  return typed;
}

void AddKeys(const std::vector<RuleEntry>& rows, std::vector<std::string>* keys) {
  for (const RuleEntry& row : rows) {
    std::string typed = Typed(row.key);
    // Longer keys are conjuncts and the tables' own spellings, not what the
    // guide is for.
    if (typed.empty() || typed.size() > 4) continue;
    bool seen = false;
    for (const std::string& k : *keys) seen = seen || k == typed;
    if (!seen) keys->push_back(typed);
  }
}

void AddPhoneticKeys(const PhoneticTableRows& t, std::vector<std::string>* keys) {
  for (const auto* rows : {&t.initialVowels, &t.vowelsAfterVowel, &t.vowelSigns, &t.consonants,
                           &t.conjuncts, &t.signs, &t.punctuation, &t.phola, &t.reph, &t.digits})
    AddKeys(*rows, keys);
}

// The keys the guide may show for a layout, in the order it prefers them
// (shorter first, then the tables' order).
std::vector<std::string> CandidateKeys(int layout) {
  std::vector<std::string> keys;
  if (IsFixed(layout)) {
    for (char c = 0x21; c <= 0x7E; ++c) keys.emplace_back(1, c);
  } else if (layout == 2) {
    for (const auto& group : KhiproGroupRows()) AddKeys(group, &keys);
  } else if (layout == 3) {
    AddPhoneticKeys(AvroPhoneticRows(), &keys);
  } else if (layout == 8) {
    const std::string h = Utf8FromCodePoints(U"\u09CD");
    const std::string zwj = Utf8FromCodePoints(U"\u200D");
    const std::string zwnj = Utf8FromCodePoints(U"\u200C");
    LowercaseTableRows t = LowercaseRows(h, zwj, zwnj);
    for (const auto* rows : {&t.initialVowels, &t.vowelSigns, &t.consonants, &t.conjuncts,
                             &t.signs, &t.punctuation, &t.phola, &t.reph, &t.digits})
      AddKeys(*rows, &keys);
  } else {
    AddPhoneticKeys(LutemPhoneticRows(), &keys);
  }
  std::stable_sort(keys.begin(), keys.end(),
                   [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
  return keys;
}

// Finds the keys that make the engine write a text, alone or between other
// keys.
class KeyFinder {
 public:
  KeyFinder(const ConversionDispatcher& engine, int layout)
      : engine_(engine), layout_(layout), keys_(CandidateKeys(layout)) {}

  std::string Convert(const std::string& typed) const {
    return WideToUtf8(engine_.Convert(Buffer(layout_, typed), layout_, 0));
  }

  // Up to two keys k with before + k + after writing one of wants; a key of
  // two single-key presses where no table key does it alone.
  std::vector<std::string> Find(const std::vector<std::string>& wants,
                                const std::string& before = "",
                                const std::string& after = "") const {
    std::vector<std::string> found;
    auto tryKey = [&](const std::string& key) {
      if (found.size() >= 2) return;
      // A found key with something after it that writes nothing new is the
      // same key again.
      for (const std::string& shorter : found)
        if (key.compare(0, shorter.size(), shorter) == 0) return;
      const std::string text = Convert(before + key + after);
      for (const std::string& want : wants)
        if (text == want) {
          found.push_back(key);
          return;
        }
    };
    for (const std::string& key : keys_) tryKey(key);
    if (!found.empty()) return found;
    for (const std::string& first : keys_) {
      if (first.size() != 1) continue;
      for (const std::string& second : keys_)
        if (second.size() == 1) tryKey(first + second);
    }
    return found;
  }

 private:
  const ConversionDispatcher& engine_;
  const int layout_;
  const std::vector<std::string> keys_;
};

std::string U8(std::u32string_view codePoints) { return Utf8FromCodePoints(codePoints); }

// A key in a Markdown table cell.
std::string Cell(const std::vector<std::string>& keys) {
  if (keys.empty()) return "–";
  std::string cell;
  for (const std::string& key : keys) {
    if (!cell.empty()) cell += " or ";
    std::string escaped;
    for (char c : key) escaped += c == '|' ? std::string("\\|") : std::string(1, c);
    cell += key.find('`') != std::string::npos ? "`` " + escaped + " ``" : "`" + escaped + "`";
  }
  return cell;
}

struct Letter {
  std::u32string shown;
  std::vector<std::u32string> forms;  // what the engine may write for it
};

std::vector<std::string> Forms(const Letter& letter) {
  std::vector<std::string> forms;
  for (const std::u32string& form : letter.forms) forms.push_back(U8(form));
  return forms;
}

const std::u32string kKa = U"\u0995";

// The keys of one vowel sign: typed after the consonant, or (in the fixed
// layouts that spell ি, ে and ৈ as they are drawn) before it.
struct SignKeys {
  std::vector<std::string> keys;
  bool before = false;
};

SignKeys FindSign(const KeyFinder& finder, const std::string& ka, const std::u32string& withSign) {
  SignKeys sign{finder.Find({U8(withSign)}, ka), false};
  if (sign.keys.empty()) sign = {finder.Find({U8(withSign)}, "", ka), true};
  return sign;
}

std::string SignCell(const SignKeys& sign) {
  return Cell(sign.keys) + (sign.before && !sign.keys.empty() ? " (before the consonant)" : "");
}

const std::vector<std::pair<char32_t, char32_t>>& Vowels() {
  static const std::vector<std::pair<char32_t, char32_t>> vowels = {
      {0x0985, 0}, {0x0986, 0x09BE}, {0x0987, 0x09BF}, {0x0988, 0x09C0},
      {0x0989, 0x09C1}, {0x098A, 0x09C2}, {0x098B, 0x09C3}, {0x098F, 0x09C7},
      {0x0990, 0x09C8}, {0x0993, 0x09CB}, {0x0994, 0x09CC}};
  return vowels;
}

void PrintVowels(const KeyFinder& finder, const std::string& ka) {
  std::printf("### Vowels\n\n| vowel | keys | after a consonant | keys of the sign |\n|---|---|---|---|\n");
  for (const auto& [vowel, sign] : Vowels()) {
    const std::u32string alone(1, vowel);
    std::string shownSign = "–";
    std::string signCell = "(none: the consonant's own vowel)";
    if (sign != 0) {
      const std::u32string withSign = kKa + std::u32string(1, sign);
      shownSign = U8(withSign);
      signCell = SignCell(FindSign(finder, ka, withSign));
    }
    std::printf("| %s | %s | %s | %s |\n", U8(alone).c_str(), Cell(finder.Find({U8(alone)})).c_str(),
                shownSign.c_str(), signCell.c_str());
  }
  std::printf("\n");
}

std::vector<Letter> Consonants() {
  std::vector<Letter> letters;
  for (char32_t c = 0x0995; c <= 0x09B9; ++c) {
    if (c == 0x09A9 || c == 0x09B1 || (c >= 0x09B3 && c <= 0x09B5)) continue;  // not letters
    letters.push_back({std::u32string(1, c), {std::u32string(1, c)}});
  }
  letters.push_back({U"\u09DC", {U"\u09DC", U"\u09A1\u09BC"}});
  letters.push_back({U"\u09DD", {U"\u09DD", U"\u09A2\u09BC"}});
  letters.push_back({U"\u09DF", {U"\u09DF", U"\u09AF\u09BC"}});
  letters.push_back({U"\u09CE", {U"\u09CE"}});
  return letters;
}

void PrintConsonants(const KeyFinder& finder) {
  const std::vector<Letter> letters = Consonants();
  std::printf("### Consonants\n\n| letter | keys | letter | keys | letter | keys |\n|---|---|---|---|---|---|\n");
  for (size_t i = 0; i < letters.size(); i += 3) {
    std::printf("|");
    for (size_t j = i; j < i + 3; ++j) {
      if (j < letters.size())
        std::printf(" %s | %s |", U8(letters[j].shown).c_str(), Cell(finder.Find(Forms(letters[j]))).c_str());
      else
        std::printf("  |  |");
    }
    std::printf("\n");
  }
  std::printf("\n");
}

void PrintSigns(const KeyFinder& finder, const std::string& ka) {
  struct Sign {
    const char* name;
    std::u32string example;  // what the keys write, with ক around them
    bool afterKa;
    bool beforeKa;
  };
  const std::vector<Sign> signs = {
      {"hasanta (no vowel)", U"\u0995\u09CD", true, false},
      {"reph", U"\u09B0\u09CD\u0995", false, true},
      {"ya-phola", U"\u0995\u09CD\u09AF", true, false},
      {"ra-phola", U"\u0995\u09CD\u09B0", true, false},
      {"anusvara", U"\u0995\u0982", true, false},
      {"visarga", U"\u0995\u0983", true, false},
      {"candrabindu", U"\u0995\u0981", true, false},
      {"dari (full stop)", U"\u0964", false, false},
      {"taka", U"\u09F3", false, false},
  };
  std::printf("### Signs\n\n| sign | as in | keys |\n|---|---|---|\n");
  for (const Sign& sign : signs) {
    const std::string want = U8(sign.example);
    std::vector<std::string> keys =
        finder.Find({want}, sign.afterKa ? ka : "", sign.beforeKa ? ka : "");
    std::printf("| %s | %s | %s%s%s |\n", sign.name, want.c_str(),
                sign.afterKa && !keys.empty() ? "(after a consonant) " : "", Cell(keys).c_str(),
                sign.beforeKa && !keys.empty() ? " (before the consonant)" : "");
  }
  std::printf("\n");
}

void PrintDigits(const KeyFinder& finder) {
  std::printf("### Digits\n\n|");
  for (char32_t d = 0x09E6; d <= 0x09EF; ++d) std::printf(" %s |", U8(std::u32string(1, d)).c_str());
  std::printf("\n|");
  for (int i = 0; i < 10; ++i) std::printf("---|");
  std::printf("\n|");
  for (char32_t d = 0x09E6; d <= 0x09EF; ++d)
    std::printf(" %s |", Cell(finder.Find({U8(std::u32string(1, d))})).c_str());
  std::printf("\n\n");
}

// The first key of a letter, sign or vowel as the tables above show it
// (before: a sign typed ahead of its consonant); no key when there is none.
SignKeys KeyOf(const KeyFinder& finder, const std::string& ka, char32_t c, bool afterConsonant) {
  auto first = [](const std::vector<std::string>& keys) {
    return SignKeys{keys.empty() ? keys : std::vector<std::string>{keys.front()}, false};
  };
  for (const auto& [vowel, sign] : Vowels()) {
    if (sign != 0 && c == sign) {
      SignKeys keys = FindSign(finder, ka, kKa + std::u32string(1, sign));
      if (keys.keys.size() > 1) keys.keys.resize(1);
      return keys;
    }
    if (c == vowel && !afterConsonant) return first(finder.Find({U8(std::u32string(1, vowel))}));
  }
  if (c == 0x0982) return first(finder.Find({U8(kKa + U"\u0982")}, ka));
  for (const Letter& letter : Consonants())
    if (letter.shown == std::u32string(1, c)) return first(finder.Find(Forms(letter)));
  return {};
}

// Words made of the keys the tables give, letter by letter; a word whose
// keys do not give it back in this layout (where context changes a key) is
// left out rather than shown wrong.
void PrintExamples(const KeyFinder& finder, const std::string& ka) {
  static const std::u32string words[] = {
      U"\u0986\u09AE\u09BF",              // আমি
      U"\u09AD\u09BE\u09B2\u09CB",        // ভালো
      U"\u0986\u099B\u09BF",              // আছি
      U"\u09AC\u09BE\u0982\u09B2\u09BE",  // বাংলা
      U"\u09A4\u09C1\u09AE\u09BF",        // তুমি
      U"\u0995\u09A5\u09BE",              // কথা
  };
  std::printf("### Examples\n\n| keys | text |\n|---|---|\n");
  for (const std::u32string& word : words) {
    std::vector<std::string> pieces;
    bool complete = true;
    for (size_t i = 0; i < word.size() && complete; ++i) {
      const SignKeys key = KeyOf(finder, ka, word[i], i > 0);
      complete = !key.keys.empty();
      if (!complete) break;
      if (key.before && !pieces.empty())
        pieces.insert(pieces.end() - 1, key.keys.front());
      else
        pieces.push_back(key.keys.front());
    }
    std::string keys;
    for (const std::string& piece : pieces) keys += piece;
    if (complete && finder.Convert(keys) == U8(word))
      std::printf("| %s | %s |\n", Cell({keys}).c_str(), U8(word).c_str());
  }
  std::printf("\n");
}

}  // namespace

int main() {
  const ConversionDispatcher engine;
  std::printf(
      "# Typing in Lutem Keyboard\n\n"
      "The keys of each of the eight layouts, as the conversion engine has them.\n"
      "This file is generated by `build/bin/lutem-typing-guide > docs/TYPING.md`\n"
      "from the engine's own tables; the test suite fails when it differs from\n"
      "what the engine does. Keys are typed as shown (a capital with Shift); where\n"
      "two keys are shown either works. Vowel signs, the hasanta and the phola\n"
      "follow the consonant they belong to (%s stands for any consonant here),\n"
      "the reph comes before it. Choose the layout in the language bar's menu.\n\n",
      U8(kKa).c_str());
  for (const Layout& layout : Layouts())
    std::printf("- [%d. %s](#layout-%d)\n", layout.number, layout.name, layout.number);
  std::printf("\n");
  for (const Layout& layout : Layouts()) {
    const KeyFinder finder(engine, layout.number);
    std::vector<std::string> kaKeys = finder.Find({U8(kKa)});
    const std::string ka = kaKeys.empty() ? "" : kaKeys.front();
    std::printf("<a id=\"layout-%d\"></a>\n## %d. %s\n\n%s\n\n", layout.number, layout.number,
                layout.name, layout.about);
    PrintVowels(finder, ka);
    PrintConsonants(finder);
    PrintSigns(finder, ka);
    PrintDigits(finder);
    PrintExamples(finder, ka);
  }
  return 0;
}
