// The plain text of an RTF document (Rich Text Format as published,
// version 1.9.1): what the rich edit control shows of it, without the
// formatting. Paragraph marks (\par, a backslash before a line end) become
// carriage returns, \line a vertical tab, \tab a tab; \'hh is a Windows-1252
// byte and \uN a UTF-16 unit followed by \ucN fallback characters that are
// skipped; \~ \_ \emdash \endash \lquote \rquote \ldblquote \rdblquote
// \bullet are their characters. Groups of ignorable destinations ({\* ...})
// and of the font, colour and style tables, document information,
// pictures and objects are skipped; line ends in the text are not text.
#pragma once

#include <string>

namespace riched20 {

class RtfText {
 public:
  static std::u16string Of(const std::string& rtf);
  // A Windows-1252 byte as its character.
  static char16_t FromWindows1252(unsigned char byte);
};

}  // namespace riched20
