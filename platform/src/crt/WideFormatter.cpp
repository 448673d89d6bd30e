#include "crt/WideFormatter.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "common/HostText.h"

namespace crt {
namespace {

std::u16string Widen(const std::string& text) {
  std::u16string wide;
  for (char c : text) wide += static_cast<char16_t>(static_cast<unsigned char>(c));
  return wide;
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

WideFormatter::WideFormatter(const WCHAR* format, va_list args) : at_(format) {
  va_copy(args_, args);
}

std::u16string WideFormatter::Format(const WCHAR* format, va_list args) {
  WideFormatter formatter(format, args);
  std::u16string text = formatter.Run();
  va_end(formatter.args_);
  return text;
}

std::u16string WideFormatter::Run() {
  while (*at_ != 0) {
    if (*at_ != u'%') {
      out_ += *at_++;
      continue;
    }
    const WCHAR* start = at_++;
    Spec spec;
    if (!ReadSpec(spec)) {
      out_.append(start, at_);
      break;
    }
    switch (spec.conversion) {
      case u'%':
        out_ += u'%';
        break;
      case u'd':
      case u'i':
      case u'u':
      case u'o':
      case u'x':
      case u'X':
        Integer(spec);
        break;
      case u'e':
      case u'E':
      case u'f':
      case u'F':
      case u'g':
      case u'G':
      case u'a':
      case u'A':
        Floating(spec);
        break;
      // In wide functions %s is wide unless narrowed by h; %S is the other width.
      case u's':
        Text(spec, spec.size != "h");
        break;
      case u'S':
        Text(spec, spec.size == "l" || spec.size == "w");
        break;
      case u'c':
        Character(spec, spec.size != "h");
        break;
      case u'C':
        Character(spec, spec.size == "l" || spec.size == "w");
        break;
      case u'p':
        Pointer(spec);
        break;
      default:
        out_.append(start, at_);
        break;
    }
  }
  return out_;
}

bool WideFormatter::ReadSpec(Spec& spec) {
  while (*at_ != 0 && *at_ < 0x80 && std::strchr("-+ #0", static_cast<char>(*at_)) != nullptr)
    spec.flags += static_cast<char>(*at_++);
  if (*at_ == u'*') {
    ++at_;
    spec.width = va_arg(args_, int);
    if (spec.width < 0) {
      spec.flags += '-';
      spec.width = -spec.width;
    }
  } else if (IsDigit(*at_)) {
    spec.width = 0;
    while (IsDigit(*at_)) spec.width = spec.width * 10 + (*at_++ - u'0');
  }
  if (*at_ == u'.') {
    ++at_;
    spec.precision = 0;
    if (*at_ == u'*') {
      ++at_;
      spec.precision = va_arg(args_, int);
      if (spec.precision < 0) spec.precision = -1;
    } else {
      while (IsDigit(*at_)) spec.precision = spec.precision * 10 + (*at_++ - u'0');
    }
  }
  auto take = [&](const char16_t* text) {
    size_t n = std::char_traits<char16_t>::length(text);
    if (std::char_traits<char16_t>::compare(at_, text, n) != 0) return false;
    for (size_t i = 0; i < n; ++i) spec.size += static_cast<char>(text[i]);
    at_ += n;
    return true;
  };
  take(u"hh") || take(u"h") || take(u"ll") || take(u"l") || take(u"w") || take(u"I64") ||
      take(u"I32") || take(u"I") || take(u"z");
  if (*at_ == 0) return false;
  spec.conversion = *at_++;
  return true;
}

void WideFormatter::Integer(const Spec& spec) {
  bool isSigned = spec.conversion == u'd' || spec.conversion == u'i';
  bool wide = spec.size == "ll" || spec.size == "I64" ||
              ((spec.size == "I" || spec.size == "z") && sizeof(void*) == 8);
  std::string format = "%" + spec.flags;
  if (spec.width >= 0) format += std::to_string(spec.width);
  if (spec.precision >= 0) format += "." + std::to_string(spec.precision);
  char buffer[96];
  if (wide) {
    format += "ll";
    format += static_cast<char>(spec.conversion);
    if (isSigned)
      std::snprintf(buffer, sizeof buffer, format.c_str(), va_arg(args_, long long));
    else
      std::snprintf(buffer, sizeof buffer, format.c_str(), va_arg(args_, unsigned long long));
  } else {
    // Every smaller size arrives as an int; h and hh cut it down first.
    unsigned int raw = va_arg(args_, unsigned int);
    format += static_cast<char>(spec.conversion);
    if (spec.size == "h")
      raw = isSigned ? static_cast<unsigned int>(static_cast<short>(raw))
                     : static_cast<unsigned short>(raw);
    if (spec.size == "hh")
      raw = isSigned ? static_cast<unsigned int>(static_cast<signed char>(raw))
                     : static_cast<unsigned char>(raw);
    if (isSigned)
      std::snprintf(buffer, sizeof buffer, format.c_str(), static_cast<int>(raw));
    else
      std::snprintf(buffer, sizeof buffer, format.c_str(), raw);
  }
  out_ += Widen(buffer);
}

void WideFormatter::Floating(const Spec& spec) {
  std::string format = "%" + spec.flags;
  if (spec.width >= 0) format += std::to_string(spec.width);
  if (spec.precision >= 0) format += "." + std::to_string(spec.precision);
  format += static_cast<char>(spec.conversion);
  double value = va_arg(args_, double);
  int needed = std::snprintf(nullptr, 0, format.c_str(), value);
  std::string text(needed > 0 ? static_cast<size_t>(needed) : 0, '\0');
  std::snprintf(text.data(), text.size() + 1, format.c_str(), value);
  out_ += Widen(text);
}

void WideFormatter::Text(const Spec& spec, bool wide) {
  std::u16string text;
  if (wide) {
    const WCHAR* value = va_arg(args_, const WCHAR*);
    text = value == nullptr ? u"(null)" : std::u16string(value, platform::WideLength(value));
  } else {
    const char* value = va_arg(args_, const char*);
    // A narrow string is in the runtime's "C" locale: one unit per byte.
    text = Widen(value == nullptr ? "(null)" : value);
  }
  if (spec.precision >= 0 && text.size() > static_cast<size_t>(spec.precision))
    text.resize(static_cast<size_t>(spec.precision));
  Pad(spec, text);
}

void WideFormatter::Character(const Spec& spec, bool wide) {
  int value = va_arg(args_, int);
  char16_t unit = wide ? static_cast<char16_t>(value)
                       : static_cast<char16_t>(static_cast<unsigned char>(value));
  Pad(spec, std::u16string(1, unit));
}

void WideFormatter::Pointer(const Spec& spec) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%0*" PRIXPTR, static_cast<int>(2 * sizeof(void*)),
                reinterpret_cast<uintptr_t>(va_arg(args_, void*)));
  Pad(spec, Widen(buffer));
}

void WideFormatter::Pad(const Spec& spec, const std::u16string& text) {
  size_t width = spec.width > 0 ? static_cast<size_t>(spec.width) : 0;
  std::u16string padding(width > text.size() ? width - text.size() : 0, u' ');
  if (spec.flags.find('-') != std::string::npos)
    out_ += text + padding;
  else
    out_ += padding + text;
}

}  // namespace crt
