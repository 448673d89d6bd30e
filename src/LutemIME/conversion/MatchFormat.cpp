#include "conversion/MatchFormat.h"

std::optional<MatchFormat> MatchFormat::Read(std::u16string_view format) {
  auto digit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
  MatchFormat read;
  std::wstring text;
  auto group = [&](int number) {
    if (!text.empty()) read.pieces_.push_back({text, -1});
    text.clear();
    read.pieces_.push_back({std::wstring(), number});
  };
  for (size_t i = 0; i < format.size(); ++i) {
    const char16_t c = format[i];
    if (c == u'\\') {
      // "\0" is an octal code, a letter an escape or a case change.
      if (i + 1 >= format.size() || !digit(format[i + 1]) || format[i + 1] == u'0') return std::nullopt;
      group(format[++i] - u'0');
    } else if (c == u'$') {
      // Up to two digits; "$", "$&", "${" and the rest are left to Boost.
      size_t j = i + 1;
      while (j < format.size() && j < i + 3 && digit(format[j])) ++j;
      if (j == i + 1 || (j < format.size() && digit(format[j]))) return std::nullopt;
      int number = 0;
      for (size_t k = i + 1; k < j; ++k) number = number * 10 + (format[k] - u'0');
      group(number);
      i = j - 1;
    } else {
      text += static_cast<wchar_t>(c);
    }
  }
  if (!text.empty()) read.pieces_.push_back({text, -1});
  return read;
}
