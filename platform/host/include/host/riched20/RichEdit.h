// What a rich edit control ("RichEdit20W") holds.
#pragma once

#include <optional>
#include <string>

#include "Platform.h"

namespace host {

struct RichEditInfo {
  std::string streamedBytes;  // every byte its last EM_STREAMIN was given
  int streamCallbacks = 0;    // how often that EM_STREAMIN called the callback
  std::u16string text;        // what it shows (platform/riched20/RichEdit.h)
  LONG selectionStart = 0;
  LONG selectionEnd = 0;
};

// Nothing for a window that is not a rich edit control.
std::optional<RichEditInfo> DescribeRichEdit(HWND control);

}  // namespace host
