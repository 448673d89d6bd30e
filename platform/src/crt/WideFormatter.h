// The text of one wide printf-style format with its arguments, by the
// Microsoft runtime's rules for wide functions (crt/WinCrt.h lists them).
#pragma once

#include <cstdarg>
#include <string>

#include "Platform.h"

namespace crt {

class WideFormatter {
 public:
  // args is consumed as the format asks.
  static std::u16string Format(const WCHAR* format, va_list args);

 private:
  struct Spec {
    std::string flags;
    int width = -1;
    int precision = -1;
    std::string size;  // "", "h", "hh", "l", "ll", "I32", "I64", "I", "z"
    char16_t conversion = 0;
  };

  WideFormatter(const WCHAR* format, va_list args);
  std::u16string Run();
  // Reads the spec after a '%'; false when the format ends inside it.
  bool ReadSpec(Spec& spec);
  void Integer(const Spec& spec);
  void Floating(const Spec& spec);
  void Text(const Spec& spec, bool wide);
  void Character(const Spec& spec, bool wide);
  void Pointer(const Spec& spec);
  // Pads the converted text to the width, on the left unless '-'.
  void Pad(const Spec& spec, const std::u16string& text);

  const WCHAR* at_;
  va_list args_;
  std::u16string out_;
};

}  // namespace crt
