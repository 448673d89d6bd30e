#include "conversion/AnsiEncodingRules.h"

namespace {

// The list works in phases and its order is part of the result: normalise
// quotes and decomposed nukta letters; move the reph behind a conjunct with a
// vowel sign, split o and au so that their e part moves like e; move e, i, ai
// in front of their cluster (longest cluster first); the glyphs that depend on
// the cluster before them; conjuncts of three consonants, then of two; the
// word-initial forms of e and ai; the leftover signs, then single letters.
std::vector<RuleList::Source> AnsiTable() {
  // The 35 consonants, each once and in this order.
  const std::u16string kK =
      u"[\u0995\u0996\u0997\u0998\u0999\u099A\u099B\u099C\u099D\u099E\u099F\u09A0\u09A1"
      u"\u09A2\u09A3\u09A4\u09A5\u09A6\u09A7\u09A8\u09AA\u09AB\u09AC\u09AD\u09AE\u09AF"
      u"\u09B0\u09B2\u09B6\u09B7\u09B8\u09B9\u09DC\u09DD\u09DF]";
  // Without ya and ra, which take the phala glyphs instead.
  const std::u16string kKNoYaRa =
      u"[\u0995\u0996\u0997\u0998\u0999\u099A\u099B\u099C\u099D\u099E\u099F\u09A0\u09A1"
      u"\u09A2\u09A3\u09A4\u09A5\u09A6\u09A7\u09A8\u09AA\u09AB\u09AC\u09AD\u09AE"
      u"\u09B2\u09B6\u09B7\u09B8\u09B9\u09DC\u09DD\u09DF]";
  // With khanda ta, which a reph may stand over too.
  const std::u16string kKKhandaTa =
      u"[\u0995\u0996\u0997\u0998\u0999\u099A\u099B\u099C\u099D\u099E\u099F\u09A0\u09A1"
      u"\u09A2\u09A3\u09A4\u09A5\u09A6\u09A7\u09A8\u09AA\u09AB\u09AC\u09AD\u09AE\u09AF"
      u"\u09B0\u09B2\u09B6\u09B7\u09B8\u09B9\u09DC\u09DD\u09CE\u09DF]";
  const std::u16string kV = u"[\u09BE\u09BF\u09C0\u09C1\u09C2\u09C3\u09C7\u09C8\u09CB\u09CC]";
  return {
    /*   1 */ {u"\u2018", u"\u00D4"},
    /*   2 */ {u"\u2019", u"\u00D5"},
    /*   3 */ {u"\u201C", u"\u00D2"},
    /*   4 */ {u"\u201D", u"\u00D3"},
    /*   5 */ {u"\u09A1\u09BC", u"\u09DC"},
    /*   6 */ {u"\u09A2\u09BC", u"\u09DD"},
    /*   7 */ {u"\u09AF\u09BC", u"\u09DF"},
    /*   8 */ {u"\u09AC\u09BC", u"\u09B0"},
    /*   9 */ {u"_", u"\u00D1"},
    /*  10 */ {u"(\u09B0\u09CD(" + kK + u"\u09CD" + kK + kV + u"))", u"\\2" u"\u00A9"},
    /*  11 */ {u"\u09CB", u"\u09C7" u"\u09BE"},
    /*  12 */ {u"\u09CC", u"\u09C7" u"\u09D7"},
    /*  13 */ {u"(" + kK + u"\u09CD" + kK + u"\u09CD" + kK + u")(\u00A9?)\u09C7", u"\u2021\\1\\2"},
    /*  14 */ {u"(" + kK + u"\u09CD" + kK + u")(\u00A9?)\u09C7", u"\u2021\\1\\2"},
    /*  15 */ {u"(" + kK + u")(\u00A9?)\u09C7", u"\u2021\\1\\2"},
    /*  16 */ {u"(" + kK + u"\u09CD" + kK + u"\u09CD" + kK + u")(\u00A9?)\u09BF", u"w\\1\\2"},
    /*  17 */ {u"(" + kK + u"\u09CD" + kK + u")(\u00A9?)\u09BF", u"w\\1\\2"},
    /*  18 */ {u"(" + kK + u")(\u00A9?)\u09BF", u"w\\1\\2"},
    /*  19 */ {u"(" + kK + u"\u09CD" + kK + u"\u09CD" + kK + u")(\u00A9?)\u09C8", u"\u2030\\1\\2"},
    /*  20 */ {u"(" + kK + u"\u09CD" + kK + u")(\u00A9?)\u09C8", u"\u2030\\1\\2"},
    /*  21 */ {u"(" + kK + u")(\u00A9?)\u09C8", u"\u2030\\1\\2"},
    /*  22 */ {u"(\u09B0\u09CD(" + kK + u"\u09CD" + kKNoYaRa + u"))", u"\\2" u"\u00A9"},
    /*  23 */ {u"(?<!\u09CD)(\u09B8\u09CD\u0995\u09CD\u09B0|\u09B7\u09CD\u0995\u09CD\u09B0|"
               u"\u0999\u09CD\u0995\u09CD\u09B7|\u09B7\u09CD\u09A0|\u099A\u09CD\u099A|"
               u"\u09AB\u09CD\u09B0|\u09B7\u09CD\u0995|\u09B8\u09CD\u0995|\u099A\u09CD\u099B|"
               u"\u099A\u09CD\u099E|\u09A8\u09CD\u099F|\u09B8\u09CD\u09A5|\u09A8\u09CD\u09A5|"
               u"\u0995\u09CD\u09A8|\u09A6\u09CD\u09AD|\u09A6\u09CD\u09A7|\u099E\u09CD\u099A|"
               u"\u09B6\u09CD\u099A|\u09A1\u09CD\u09A1|\u0995\u09CD\u09B7|\u09A3\u09CD\u09A1|"
               u"\u0995\u09CD\u09B0|\u09B7\u09CD\u09A3|\u0995\u09CD\u0995|\u0999\u09CD\u0995|"
               u"\u09B2\u09CD\u0995|\u09B6\u09CD\u099B|\u099E\u09CD\u099B|\u099C\u09CD\u099D|"
               u"\u099C\u09CD\u099E|\u09B8\u09CD\u099F|\u09B7\u09CD\u099F|\u09B2\u09CD\u099F|"
               u"\u09AA\u09CD\u099F|\u09A3\u09CD\u099F|\u099F\u09CD\u099F|\u0995\u09CD\u099F|"
               u"\u09A8\u09CD\u09A0|\u09A3\u09CD\u09A0|\u09AA\u09CD\u09A4|\u09A4\u09CD\u09A4|"
               u"\u0995\u09CD\u09A4|\u09AC\u09CD\u09A7|\u09A8\u09CD\u09A7|\u0997\u09CD\u09A7|"
               u"\u09B8\u09CD\u09AB|\u09B7\u09CD\u09AB|\u09B2\u09CD\u09AB|\u09AE\u09CD\u09AB|"
               u"\u09B9\u09CD\u09AE|\u0995|\u099E|\u0999|\u099A|\u099B|\u099D|\u099F|\u09A0|"
               u"\u09A1|\u09A2|\u09A4|\u09AB|\u09AD)\u09C3", u"\\1" u"\u2026"},
    /*  24 */ {u"(?<!\u09CD)(\u09B8\u09CD\u0995\u09CD\u09B0|\u09B7\u09CD\u0995\u09CD\u09B0|"
               u"\u0999\u09CD\u0995\u09CD\u09B0|\u0999\u09CD\u0995\u09CD\u09B7|"
               u"\u0995\u09CD\u09B2|\u09AB\u09CD\u09B2|\u099A\u09CD\u099B|\u09AB\u09CD\u09B0|"
               u"\u09A8\u09CD\u099F|\u09B7\u09CD\u0995|\u09B8\u09CD\u0995|\u099A\u09CD\u099A|"
               u"\u099A\u09CD\u099E|\u09B8\u09CD\u09A5|\u09A8\u09CD\u09A5|\u0995\u09CD\u09A8|"
               u"\u09A6\u09CD\u09AD|\u0995\u09CD\u09A4|\u09A1\u09CD\u09A1|\u09A8\u09CD\u09A1|"
               u"\u09A3\u09CD\u09A1|\u0995\u09CD\u09B0|\u09B7\u09CD\u09A3|\u0995\u09CD\u0995|"
               u"\u0999\u09CD\u0995|\u09B2\u09CD\u0995|\u0995\u09CD\u09B7|\u099E\u09CD\u099A|"
               u"\u09B6\u09CD\u099A|\u09B6\u09CD\u099B|\u099E\u09CD\u099B|\u099C\u09CD\u099E|"
               u"\u09B8\u09CD\u099F|\u09B7\u09CD\u099F|\u09B2\u09CD\u099F|\u09AA\u09CD\u099F|"
               u"\u09A3\u09CD\u099F|\u099F\u09CD\u099F|\u0995\u09CD\u099F|\u09B7\u09CD\u09A0|"
               u"\u09A8\u09CD\u09A0|\u09A3\u09CD\u09A0|\u09AA\u09CD\u09A4|\u09A4\u09CD\u09A4|"
               u"\u09AC\u09CD\u09A7|\u09A6\u09CD\u09A7|\u0997\u09CD\u09A7|\u09B8\u09CD\u09AB|"
               u"\u09B7\u09CD\u09AB|\u09B2\u09CD\u09AB|\u09AE\u09CD\u09AB|\u09B9\u09CD\u09AE|"
               u"\u09A8\u09CD\u09A7|\u099E|\u0995|\u0999|\u099A|\u099B|\u099D|\u099F|\u09A0|"
               u"\u09A1|\u09A2|\u09AB|\u09AD)\u09C1", u"\\1z"},
    /*  25 */ {u"(?<!\u09CD)(\u09B8\u09CD\u0995\u09CD\u09B0|\u0999\u09CD\u0995\u09CD\u09B7|"
               u"\u09B7\u09CD\u0995\u09CD\u09B0|\u0999\u09CD\u0995\u09CD\u09B0|"
               u"\u09A8\u09CD\u09A5|\u09A4\u09CD\u09A4|\u0995\u09CD\u09B2|\u09AB\u09CD\u09B2|"
               u"\u09A8\u09CD\u09A1|\u09B7\u09CD\u0995|\u09B8\u09CD\u0995|\u099A\u09CD\u099A|"
               u"\u099A\u09CD\u099B|\u09B8\u09CD\u099F|\u09B2\u09CD\u099F|\u09A8\u09CD\u099F|"
               u"\u09A6\u09CD\u09AD|\u099A\u09CD\u099E|\u09B8\u09CD\u09AB\u09CD\u09B0|"
               u"\u09B8\u09CD\u09A5|\u0995\u09CD\u09A8|\u09B9\u09CD\u09AE|\u0995\u09CD\u09B0|"
               u"\u09A3\u09CD\u09A1|\u09B6\u09CD\u099B|\u0995\u09CD\u0995|\u09B2\u09CD\u0995|"
               u"\u099E\u09CD\u099A|\u09A6\u09CD\u09A7|\u09B6\u09CD\u099A|\u099E\u09CD\u099B|"
               u"\u099C\u09CD\u099D|\u09B7\u09CD\u099F|\u09A3\u09CD\u099F|\u099F\u09CD\u099F|"
               u"\u0995\u09CD\u099F|\u09AA\u09CD\u099F|\u09B7\u09CD\u09A0|\u09A3\u09CD\u09A0|"
               u"\u09A8\u09CD\u09A0|\u09A1\u09CD\u09A1|\u09AA\u09CD\u09A4|\u0995\u09CD\u09A4|"
               u"\u0995\u09CD\u09B7|\u09B2\u09CD\u09AB|\u09B8\u09CD\u09AB|\u09AE\u09CD\u09AB|"
               u"\u09B7\u09CD\u09A3|\u099C\u09CD\u099E|\u09AC\u09CD\u09A7|\u0997\u09CD\u09A7|"
               u"\u09A8\u09CD\u09A7|\u09B7\u09CD\u09AB|\u09AB\u09CD\u09B0|\u0995|\u099E|\u099A|"
               u"\u099B|\u099D|\u099F|\u09A0|\u09A1|\u09A2|\u09AD|\u09A4|\u09AB|\u0999)\u09C2",
              u"\\1" u"\u201A"},
    /*  26 */ {u"(?<!\u09CD)(\u09AE\u09CD\u09AA\u09CD\u09B0|\u09B8\u09CD\u09AA\u09CD\u09B0|"
               u"\u09B7\u09CD\u09AA\u09CD\u09B0|\u09A6\u09CD\u09AD\u09CD\u09B0|"
               u"\u09B8\u09CD\u09A4\u09CD\u09B0|\u0995\u09CD\u09B7\u09CD\u09A8|"
               u"\u09A3\u09CD\u09A2|\u09AE\u09CD\u09B0|\u09B8\u09CD\u09A4|\u09A8\u09CD\u09A4|"
               u"\u09B7\u09CD\u09AB|\u09CD\u09AF)\u09C2", u"\\1~"},
    /*  27 */ {u"(?<!\u09CD)(\u09A8\u09CD\u09A4|\u0996|\u0998|\u0999|\u099A|\u099C|\u099D|\u099E|"
               u"\u099F|\u09A0|\u09A1|\u09A2|\u09A3|\u09A5|\u09A6|\u09A7|\u09A8|\u09AC|\u09AD|"
               u"\u09AE|\u09AF|\u09B2|\u09B7|\u09B8|\u09DC|\u09DD|\u09DF)\u09CD\u09B0\u09CD\u09AF",
              u"\\1" u"\u00AA" u"\u00A8"},
    /*  28 */ {u"(?<!\u09CD)(\u0997|\u09AA|\u09B6)\u09CD\u09B0\u09CD\u09AF",
              u"\\1" u"\u00D6" u"\u00A8"},
    /*  29 */ {u"(?<!\u09CD)(\u09AA|\u09B6|\u0997)\u09CD\u09B0\u09C2", u"\\1" u"\u00D6" u"\u0192"},
    /*  30 */ {u"(?<!\u09CD)(\u09B8|\u09A7|\u0998|\u0996|\u09AC|\u09A5)\u09CD\u09B0\u09C1",
              u"\\1" u"\u00AA" u"\u00E6"},
    /*  31 */ {u"(?<!\u09CD)(\u09AA|\u09B6|\u0997)\u09CD\u09B0\u09C1", u"\\1" u"\u00D6" u"\u00E6"},
    /*  32 */ {u"(?<!\u09CD)(\u09A8\u09CD\u09A6)\u09CD\u09B0\u09C1", u"\\1y" u"\u00AA"},
    /*  33 */ {u"(?<!\u09CD)(\u09A4|\u0995|\u099A|\u099B|\u099D|\u099F|\u09A0|\u09A1|\u09A2|"
               u"\u09AB|\u09AD)\u09B0\u09CD\u09C2", u"\\1" u"\u201A" u"\u00A9"},
    /*  34 */ {u"(?<!\u09CD)(\u0995\u09CD\u09B7|\u099A|\u099D|\u099F|\u09A0|\u09A1|\u09A2|\u09A4|"
               u"\u09AD)\u09B0\u09CD\u09C3", u"\\1" u"\u2026" u"\u00A9"},
    /*  35 */ {u"(?<!\u09CD)(\u09A8\u09CD\u09A6|\u09A6|\u09AC|\u09A7|\u09B8)\u09CD\u09B0\u09C2",
              u"\\1" u"\u00AA" u"\u0192"},
    /*  36 */ {u"(?<!\u09CD)(\u09A8\u09CD\u09A7|\u099B|\u09AB|\u09B9)\u09CD\u09B0\u09CD\u09AF",
              u"\\1" u"\u00AB" u"\u00A8"},
    /*  37 */ {u"(?<!\u09CD)(\u0996|\u0998)\u09CD\u09B0\u09C2", u"\\1" u"\u00AA" u"~"},
    /*  38 */ {u"(?<!\u09CD)(\u09A8\u09CD\u09A7|\u09A8\u09CD\u09A1|\u099F)\u09CD\u09B0\u09C1",
              u"\\1z" u"\u00AA"},
    /*  39 */ {u"(?<!\u09CD)(\u09A8\u09CD\u09A1|\u09B7\u09CD\u09AE|\u09A4\u09CD\u09A4|"
               u"\u09A3\u09CD\u09A1|\u0997\u09CD\u09A7|\u09AE\u09CD\u09AA|\u09B8\u09CD\u09AA|"
               u"\u09B7\u09CD\u09AA|\u09AE|\u09A2|\u09A1|\u09B8)\u09CD\u09B0", u"\\1" u"\u00AA"},
    /*  40 */ {u"(?<!\u09CD)(\u09B6|\u0997|\u09AA)\u09CD\u09B0", u"\\1" u"\u00D6"},
    /*  41 */ {u"(?<!\u09CD)(\u099A\u09CD\u099B|\u09B8\u09CD\u09AB|\u0995\u09CD\u09A4|"
               u"\u09B2\u09CD\u09AB|\u0999\u09CD\u0995|\u09A8\u09CD\u09A7|\u09AB)\u09CD\u09B0",
              u"\\1" u"\u00AB"},
    /*  42 */ {u"(?<!\u09CD)(\u09A8\u09CD\u09A4|\u09B8\u09CD\u09A4|\u099A\u09CD\u099B|"
               u"\u099C\u09CD\u099C|\u09A6\u09CD\u09A6|\u09A4\u09CD\u09A4|\u099C|\u099D|\u09AD|"
               u"\u09A1|\u099A|\u0995|\u099F|\u09A4|\u09A5)\u09CD\u09AC", u"\\1" u"\u00A1"},
    /*  43 */ {u"(?<!\u09CD)(\u09A7|\u09A6|\u099A|\u09A3|\u0998|\u0997|\u09A4|\u09A8|\u09AA|"
               u"\u09B6)\u09CD\u09A8", u"\\1" u"\u0153"},
    /*  44 */ {u"(?<!\u09CD)(\u0995\u09CD\u09B0|\u09A4\u09CD\u09B0|\u09CD\u09B0)\u09CD\u09AF",
              u"\\1" u"\u00A8"},
    /*  45 */ {u"(?<!\u09CD)(\u09A3|\u0997|\u099F|\u09A4|\u09A7|\u09A8|\u09B2|\u09B6)\u09CD\u09AE",
              u"\\1" u"\u00A5"},
    /*  46 */ {u"(?<!\u09CD)(\u0997|\u09AA|\u09AC|\u09B2|\u09B6)\u09CD\u09B2", u"\\1" u"\u00F8"},
    /*  47 */ {u"(?<!\u09CD)(\u09B8\u09CD\u09AB\u09CD\u09B0|\u09B7\u09CD\u09AA\u09CD\u09B0|"
               u"\u09A8\u09CD\u09A1|\u09A6\u09CD\u09AD\u09CD\u09B0|"
               u"\u0995\u09CD\u09B7\u09CD\u09A8|\u09AE\u09CD\u09B0|\u0997\u09CD\u09A8|"
               u"\u0997\u09CD\u09A3|\u0999\u09CD\u0997|\u09B2\u09CD\u0997|"
               u"\u09A8\u09CD\u09A7)\u09C1", u"\\1y"},
    /*  48 */ {u"(?<!\u09CD)(\u09A4\u09CD\u09B0|\u09AD\u09CD\u09B0|\u09A6\u09CD\u09B0|"
               u"\u09B0)\u09C1", u"\\1" u"\u00E6"},
    /*  49 */ {u"(?<!\u09CD)(\u09AD\u09CD\u09B0|\u09A4\u09CD\u09B0|\u09B0)\u09C2",
              u"\\1" u"\u0192"},
    /*  50 */ {u"\u0995\u09CD\u09B7\u09CD\u09A8\u09C3", u"\u00FF" u"\u0153" u"\u201E"},
    /*  51 */ {u"\u0995\u09CD\u09B7\u09CD\u09AE\u09CD", u"\u00B2" u"&"},
    /*  52 */ {u"\u09A8\u09CD\u09A6\u09CD\u09AC\u09C0", u"\u203A" u"\u00D8" u"x"},
    /*  53 */ {u"\u09AE\u09CD\u09AA\u09CD\u09B2", u"\u00A4" u"\u00FA" u"\u00F8"},
    /*  54 */ {u"\u09B8\u09CD\u09AA\u09CD\u09B2", u"\u00AF" u"\u00FA" u"\u00F8"},
    /*  55 */ {u"\u0995\u09CD\u09B7\u09CD\u09A3", u"\u00FF" u"&Y"},
    /*  56 */ {u"\u09B8\u09CD\u09A4\u09CD\u09B0", u"\u00AF" u"\u00BF"},
    /*  57 */ {u"\u09A8\u09CD\u09A4\u09CD\u09B0", u"\u0161" u"\u00BF"},
    /*  58 */ {u"\u09B8\u09CD\u0995\u09CD\u09B0", u"\u00AF" u"\u0152"},
    /*  59 */ {u"\u09B7\u09CD\u0995\u09CD\u09B0", u"\u00AE" u"\u0152"},
    /*  60 */ {u"\u09AE\u09CD\u09AD\u09CD\u09B0", u"\u00A4" u"\u00A3"},
    /*  61 */ {u"\u09A6\u09CD\u09AD\u09CD\u09B0", u"\u2122" u"\u00A3"},
    /*  62 */ {u"\u0995\u09CD\u09B7\u09CD\u09A8", u"\u00FF" u"\u00E8"},
    /*  63 */ {u"\u0999\u09CD\u0995\u09CD\u09A4", u"O&" u"\u00B3"},
    /*  64 */ {u"\u09A8\u09CD\u09A6\u09CD\u09AC", u"\u203A" u"\u00D8"},
    /*  65 */ {u"\u0999\u09CD\u0995\u09CD\u09B7", u"\u2022" u"\u00FF"},
    /*  66 */ {u"\u09B0\u09CD\u200C\u09CD\u09AF", u"\u200C\u00A9\u00A8"},
    /*  67 */ {u"\u0995\u09CD\u09B7\u09CD\u09AE", u"\u00B2"},
    /*  68 */ {u"\u099E\u09B0\u09CD\u09C2", u"T~" u"\u00A9"},
    /*  69 */ {u"\u09A8\u09CD\u09A4\u09C1", u"\u0161" u"\u2018"},
    /*  70 */ {u"\u09B8\u09CD\u09A4\u09C1", u"\u00AF" u"\u2018"},
    /*  71 */ {u"\u09B0\u09CD(" + kKKhandaTa + u")", u"\\1" u"\u00A9"},
    /*  72 */ {u"(?<!\u09CD)(\u09B9|\u09A7|\u09AC)\u09CD\u09AC", u"\\1" u"\u0178"},
    /*  73 */ {u"\u09B7\u09CD\u0995", u"\u00AE" u"\u2039"},
    /*  74 */ {u"\u09B8\u09CD\u09A8", u"\u00AF" u"\u0153"},
    /*  75 */ {u"\u09CD\u09B0\u09C2", u"\u00AA" u"~"},
    /*  76 */ {u"\u09CD\u09AF\u09C1", u"y" u"\u00A8"},
    /*  77 */ {u"\u0995\u09CD\u09A8", u"K" u"\u00E8"},
    /*  78 */ {u"\u09A8\u09CD\u099F", u"\u203A" u"U"},
    /*  79 */ {u"(\u09AD|\u0995|\u09B9|\u09AB)\u09CD\u09B2", u"\\1" u"\u00AC"},
    /*  80 */ {u"\u09A8\u09CD\u09A4", u"\u0161" u"\u00CD"},
    /*  81 */ {u"\u0999\u09CD\u09AE", u"\u2022" u"g"},
    /*  82 */ {u"\u09AE\u09CD\u09AA", u"\u00A4" u"\u00FA"},
    /*  83 */ {u"\u09A6\u09CD\u0998", u"\u02DC" u"N"},
    /*  84 */ {u"\u09DC\u09CD\u0997", u"\u2014" u"M"},
    /*  85 */ {u"\u0999\u09CD\u0996", u"\u2022" u"L"},
    /*  86 */ {u"\u0999\u09CD\u0998", u"\u2022" u"N"},
    /*  87 */ {u"\u099A\u09CD\u099A", u"\u201D" u"P"},
    /*  88 */ {u"\u099A\u09CD\u099B", u"\u201D" u"Q"},
    /*  89 */ {u"\u099A\u09CD\u099E", u"\u201D" u"T"},
    /*  90 */ {u"\u09A6\u09CD\u0997", u"\u02DC" u"M"},
    /*  91 */ {u"\u09A6\u09CD\u09AD", u"\u2122" u"\u00A2"},
    /*  92 */ {u"\u09A8\u09CD\u09A5", u"\u0161" u"\u2019"},
    /*  93 */ {u"\u09A8\u09CD\u09A6", u"\u203A" u"`"},
    /*  94 */ {u"\u09A8\u09CD\u09AC", u"\u0161" u"^"},
    /*  95 */ {u"\u09AE\u09CD\u09A8", u"\u00A4" u"\u0153"},
    /*  96 */ {u"\u09AE\u09CD\u09AC", u"\u00A4" u"^"},
    /*  97 */ {u"\u09AE\u09CD\u09AD", u"\u00A4" u"\u00A2"},
    /*  98 */ {u"\u09AE\u09CD\u09AE", u"\u00A4" u"\u00A7"},
    /*  99 */ {u"\u09AE\u09CD\u09B2", u"\u00A4" u"\u00F8"},
    /* 100 */ {u"\u09B7\u09CD\u09AA", u"\u00AE" u"\u00FA"},
    /* 101 */ {u"\u09B7\u09CD\u09AE", u"\u00AE" u"\u00A7"},
    /* 102 */ {u"\u09B8\u09CD\u0995", u"\u00AF" u"\u2039"},
    /* 103 */ {u"\u09B8\u09CD\u09A4", u"\u00AF" u"\u00CD"},
    /* 104 */ {u"\u09B8\u09CD\u09A5", u"\u00AF" u"\u2019"},
    /* 105 */ {u"\u09B8\u09CD\u09AA", u"\u00AF" u"\u00FA"},
    /* 106 */ {u"\u09B8\u09CD\u09AC", u"\u00AF" u"^"},
    /* 107 */ {u"\u09B8\u09CD\u09AE", u"\u00AF" u"\u00A7"},
    /* 108 */ {u"\u09B8\u09CD\u09B2", u"\u00AF" u"\u00F8"},
    /* 109 */ {u"\u09B9\u09CD\u09A3", u"n" u"\u00E8"},
    /* 110 */ {u"\u09B6\u09CD\u099B", u"\u00F1"},
    /* 111 */ {u"\u09B2\u09CD\u09AB", u"\u00EE"},
    /* 112 */ {u"\u09A4\u09CD\u09B0", u"\u00CE"},
    /* 113 */ {u"\u09A8\u09CD\u09A1", u"\u00DB"},
    /* 114 */ {u"\u0997\u09CD\u09A6", u"\u00BA"},
    /* 115 */ {u"\u09B7\u09CD\u09A3", u"\u00F2"},
    /* 116 */ {u"\u09A3\u09CD\u09A2", u"\u2212"},
    /* 117 */ {u"\u0995\u09CD\u09AE", u"\u00B4"},
    /* 118 */ {u"\u09B9\u09CD\u09A8", u"\u00FD"},
    /* 119 */ {u"\u0995\u09CD\u0995", u"\u00B0"},
    /* 120 */ {u"\u0995\u09CD\u099F", u"\u00B1"},
    /* 121 */ {u"\u0995\u09CD\u09A4", u"\u00B3"},
    /* 122 */ {u"\u0995\u09CD\u09B0", u"\u00B5"},
    /* 123 */ {u"\u0995\u09CD\u09B7", u"\u00B6"},
    /* 124 */ {u"\u0995\u09CD\u09B8", u"\u00B7"},
    /* 125 */ {u"\u0997\u09CD\u09A7", u"\u00BB"},
    /* 126 */ {u"\u0999\u09CD\u0995", u"\u00BC"},
    /* 127 */ {u"\u0999\u09CD\u0997", u"\u00BD"},
    /* 128 */ {u"\u099C\u09CD\u099C", u"\u00BE"},
    /* 129 */ {u"\u099C\u09CD\u099D", u"\u00C0"},
    /* 130 */ {u"\u099C\u09CD\u099E", u"\u00C1"},
    /* 131 */ {u"\u099E\u09CD\u099A", u"\u00C2"},
    /* 132 */ {u"\u099E\u09CD\u099B", u"\u00C3"},
    /* 133 */ {u"\u099E\u09CD\u099C", u"\u00C4"},
    /* 134 */ {u"\u099E\u09CD\u099D", u"\u00C5"},
    /* 135 */ {u"\u099F\u09CD\u099F", u"\u00C6"},
    /* 136 */ {u"\u09A1\u09CD\u09A1", u"\u00C7"},
    /* 137 */ {u"\u09A3\u09CD\u099F", u"\u00C8"},
    /* 138 */ {u"\u09A3\u09CD\u09A0", u"\u00C9"},
    /* 139 */ {u"\u09A8\u09CD\u09B8", u"\u00DD"},
    /* 140 */ {u"\u09A3\u09CD\u09A1", u"\u00D0"},
    /* 141 */ {u"\u09A4\u09CD\u09A4", u"\u00CB"},
    /* 142 */ {u"\u09A4\u09CD\u09A5", u"\u00CC"},
    /* 143 */ {u"\u09A6\u09CD\u09A6", u"\u00CF"},
    /* 144 */ {u"\u09A6\u09CD\u09A7", u"\u00D7"},
    /* 145 */ {u"\u09A6\u09CD\u09AC", u"\u00D8"},
    /* 146 */ {u"\u09A6\u09CD\u09AE", u"\u00D9"},
    /* 147 */ {u"\u09A8\u09CD\u09A0", u"\u00DA"},
    /* 148 */ {u"\u09A8\u09CD\u09A7", u"\u00DC"},
    /* 149 */ {u"\u09AA\u09CD\u099F", u"\u00DE"},
    /* 150 */ {u"\u09AA\u09CD\u09A4", u"\u00DF"},
    /* 151 */ {u"\u09AA\u09CD\u09AA", u"\u00E0"},
    /* 152 */ {u"\u09AA\u09CD\u09B8", u"\u00E1"},
    /* 153 */ {u"\u09AC\u09CD\u099C", u"\u00E2"},
    /* 154 */ {u"\u09AC\u09CD\u09A6", u"\u00E3"},
    /* 155 */ {u"\u09AC\u09CD\u09A7", u"\u00E4"},
    /* 156 */ {u"\u09AD\u09CD\u09B0", u"\u00E5"},
    /* 157 */ {u"\u09AE\u09CD\u09AB", u"\u00E7"},
    /* 158 */ {u"\u09B2\u09CD\u0995", u"\u00E9"},
    /* 159 */ {u"\u09B2\u09CD\u0997", u"\u00EA"},
    /* 160 */ {u"\u09B2\u09CD\u09AA", u"\u00ED"},
    /* 161 */ {u"\u09B2\u09CD\u099F", u"\u00EB"},
    /* 162 */ {u"\u09B2\u09CD\u09A1", u"\u00EC"},
    /* 163 */ {u"\u09B6\u09CD\u099A", u"\u00F0"},
    /* 164 */ {u"\u09B7\u09CD\u099F", u"\u00F3"},
    /* 165 */ {u"\u09B7\u09CD\u09A0", u"\u00F4"},
    /* 166 */ {u"\u09B7\u09CD\u09AB", u"\u00F5"},
    /* 167 */ {u"\u09B8\u09CD\u099F", u"\u00F7"},
    /* 168 */ {u"\u09B8\u09CD\u0996", u"\u00F6"},
    /* 169 */ {u"\u09B8\u09CD\u09AB", u"\u00F9"},
    /* 170 */ {u"\u09B9\u09CD\u09AE", u"\u00FE"},
    /* 171 */ {u" \u09C7", u" " u"\u2020"},
    /* 172 */ {u" \u09C8", u" " u"\\" u"\u02C6"},
    /* 173 */ {u"^\u09C7", u"\u2020"},
    /* 174 */ {u"^\u09C8", u"\\" u"\u02C6"},
    /* 175 */ {u"\u0997\u09CD\u0997", u"\u00B9"},
    /* 176 */ {u"\u0997\u09C1", u"\u00B8"},
    /* 177 */ {u"\u09B6\u09C1", u"\u00EF"},
    /* 178 */ {u"\u09B9\u09C1", u"\u00FB"},
    /* 179 */ {u"\u09B9\u09C3", u"\u00FC"},
    /* 180 */ {u"\u09B0\u09CD", u"\u00A9"},
    /* 181 */ {u"\u09CD\u09B0", u"\u00AA"},
    /* 182 */ {u"\u09CD\u09AF", u"\u00A8"},
    /* 183 */ {u"\u09CD\u09AC", u"\u00A6"},
    /* 184 */ {u"\u09CD\u09B2", u"\u00F8"},
    /* 185 */ {u"\u09C8", u"\u2030"},
    /* 186 */ {u"\u09CD", u"&"},
    /* 187 */ {u"\u09F3", u"$"},
    /* 188 */ {u"\u09C2", u"~"},
    /* 189 */ {u"\u0985", u"A"},
    /* 190 */ {u"\u0987", u"B"},
    /* 191 */ {u"\u0988", u"C"},
    /* 192 */ {u"\u0989", u"D"},
    /* 193 */ {u"\u098A", u"E"},
    /* 194 */ {u"\u098B", u"F"},
    /* 195 */ {u"\u098F", u"G"},
    /* 196 */ {u"\u0990", u"H"},
    /* 197 */ {u"\u0993", u"I"},
    /* 198 */ {u"\u0994", u"J"},
    /* 199 */ {u"\u0995", u"K"},
    /* 200 */ {u"\u0996", u"L"},
    /* 201 */ {u"\u0997", u"M"},
    /* 202 */ {u"\u0998", u"N"},
    /* 203 */ {u"\u0999", u"O"},
    /* 204 */ {u"\u099A", u"P"},
    /* 205 */ {u"\u099B", u"Q"},
    /* 206 */ {u"\u099C", u"R"},
    /* 207 */ {u"\u099D", u"S"},
    /* 208 */ {u"\u099E", u"T"},
    /* 209 */ {u"\u099F", u"U"},
    /* 210 */ {u"\u09A0", u"V"},
    /* 211 */ {u"\u09A1", u"W"},
    /* 212 */ {u"\u09A2", u"X"},
    /* 213 */ {u"\u09A3", u"Y"},
    /* 214 */ {u"\u09A4", u"Z"},
    /* 215 */ {u"\u09A5", u"_"},
    /* 216 */ {u"\u09A6", u"`"},
    /* 217 */ {u"\u09A7", u"a"},
    /* 218 */ {u"\u09A8", u"b"},
    /* 219 */ {u"\u09AA", u"c"},
    /* 220 */ {u"\u09AB", u"d"},
    /* 221 */ {u"\u09AC", u"e"},
    /* 222 */ {u"\u09AD", u"f"},
    /* 223 */ {u"\u09AE", u"g"},
    /* 224 */ {u"\u09AF", u"h"},
    /* 225 */ {u"\u09B0", u"i"},
    /* 226 */ {u"\u09B2", u"j"},
    /* 227 */ {u"\u09B6", u"k"},
    /* 228 */ {u"\u09B7", u"l"},
    /* 229 */ {u"\u09B8", u"m"},
    /* 230 */ {u"\u09B9", u"n"},
    /* 231 */ {u"\u09DC", u"o"},
    /* 232 */ {u"\u09DD", u"p"},
    /* 233 */ {u"\u09DF", u"q"},
    /* 234 */ {u"\u09CE", u"r"},
    /* 235 */ {u"\u09E6", u"0"},
    /* 236 */ {u"\u09E7", u"1"},
    /* 237 */ {u"\u09E8", u"2"},
    /* 238 */ {u"\u09E9", u"3"},
    /* 239 */ {u"\u09EA", u"4"},
    /* 240 */ {u"\u09EB", u"5"},
    /* 241 */ {u"\u09EC", u"6"},
    /* 242 */ {u"\u09ED", u"7"},
    /* 243 */ {u"\u09EE", u"8"},
    /* 244 */ {u"\u09EF", u"9"},
    /* 245 */ {u"\u09BE", u"v"},
    /* 246 */ {u"\u09BF", u"w"},
    /* 247 */ {u"\u09C0", u"x"},
    /* 248 */ {u"\u09C1", u"y"},
    /* 249 */ {u"\u09C3", u"\u201E"},
    /* 250 */ {u"\u09C7", u"\u2021"},
    /* 251 */ {u"\u09D7", u"\u0160"},
    /* 252 */ {u"\u0982", u"s"},
    /* 253 */ {u"\u0983", u"t"},
    /* 254 */ {u"\u0964", u"|"},
    /* 255 */ {u"\u0986", u"Av"},
    /* 256 */ {u"\u0981", u"u"},
    /* 257 */ {u"^\u2021", u"\u2020"},
    /* 258 */ {u"^\u2030", u"\u02C6"},
    /* 259 */ {u"\u200D", u""},
  };
}

}  // namespace

const RuleList& AnsiEncodingRules() {
  static const RuleList list = RuleList::Build(AnsiTable);
  return list;
}
