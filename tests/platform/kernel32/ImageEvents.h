// What the test module and the test program image tell the test program
// through LutemTestModuleEvent, which it exports; images may report from
// threads of their own.
#pragma once

#include <string>
#include <vector>

namespace image_events {

std::vector<std::string> Events();
void Clear();

}  // namespace image_events
