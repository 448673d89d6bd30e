// A recorded pipe write read as text; shared with the Windows build's record.
#include "host/kernel32/PipeTraffic.h"

namespace host {

std::u16string PipeClientWrite::Text() const {
  std::u16string text;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    char16_t unit = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    if (unit == 0) break;
    text.push_back(unit);
  }
  return text;
}

}  // namespace host
