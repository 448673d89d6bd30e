#include "conversion/RuleTableBuilder.h"

namespace {

constexpr std::u16string_view kHasanta{u"\u09CD"};
constexpr std::u16string_view kReph{u"\u09B0\u09CD$1"};

}  // namespace

std::u16string RuleTableBuilder::Cat(std::initializer_list<std::u16string_view> parts) {
  std::u16string out;
  for (std::u16string_view part : parts) out += part;
  return out;
}

RuleTableBuilder& RuleTableBuilder::Add(std::u16string_view pattern,
                                        std::u16string_view replacement) {
  table_.push_back({std::u16string(pattern), std::u16string(replacement)});
  return *this;
}

RuleTableBuilder& RuleTableBuilder::Keys(
    std::initializer_list<std::pair<char16_t, std::u16string_view>> keys) {
  for (const auto& [key, text] : keys) Add(std::u16string(1, key), text);
  return *this;
}

RuleTableBuilder& RuleTableBuilder::Digits() {
  return Keys({{u'1', u"\u09E7"}, {u'2', u"\u09E8"}, {u'3', u"\u09E9"}, {u'4', u"\u09EA"},
               {u'5', u"\u09EB"}, {u'6', u"\u09EC"}, {u'7', u"\u09ED"}, {u'8', u"\u09EE"},
               {u'9', u"\u09EF"}, {u'0', u"\u09E6"}});
}

RuleTableBuilder& RuleTableBuilder::Reph(std::u16string_view preBaseKeys,
                                         std::u16string_view rephKey) {
  const std::u16string cluster = Cat({kConsonant, kHasanta, kConsonant});
  if (!preBaseKeys.empty()) Add(Cat({u"(", preBaseKeys, cluster, u")", rephKey}), kReph);
  Add(Cat({u"(", cluster, u")", rephKey}), kReph);
  Add(Cat({u"(", kConsonant, u")", rephKey}), kReph);
  return Add(rephKey, u"\u09B0\u09CD");
}

RuleTableBuilder& RuleTableBuilder::PreBase(std::u16string_view key, std::u16string_view sign) {
  const std::u16string moved = Cat({u"$1", sign});
  Add(Cat({key, u"(", kConsonant, kHasanta, kConsonant, u")"}), moved);
  return Add(Cat({key, u"(", kConsonant, u")"}), moved);
}

RuleTableBuilder& RuleTableBuilder::Delete(std::u16string_view key) { return Add(key, u"$1"); }

RuleTableBuilder& RuleTableBuilder::PhalaOrder() {
  Add(Cat({u"(", kVowelSign, u")\u09CD\u09B0"}), u"\u09CD\u09B0$1");
  return Add(Cat({u"(", kVowelSign, u")\u09CD\u09AF"}), u"\u09CD\u09AF$1");
}
