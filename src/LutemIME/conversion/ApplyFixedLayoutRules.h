#pragma once

#include <string>
#include <string_view>

// Converts the keys of a fixed layout (4 "Lutem (Fixed)", 5 "Jatiyo
// (Modified)", 6 "Probhat", 7 "Jatiyo") with that layout's rule list; the keys
// are used exactly as typed. Any other layout number gives the keys back
// unchanged. The caller passes the layout it read for this conversion.
std::u16string ApplyFixedLayoutRules(std::u16string_view keys, int layout);
