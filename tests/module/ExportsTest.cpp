// The module shows the host the four entry points of an in-process COM
// server and nothing else: no symbol of the engines or of the C++ runtime
// that another module could bind to.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>
#include <string>

namespace {

TEST(ExportsTest, TheModuleExportsExactlyTheFourEntryPoints) {
  std::string command = std::string("nm -D --defined-only ") + LUTEM_MODULE;
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string listing;
  char buffer[4096];
  for (size_t got; (got = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0;)
    listing.append(buffer, got);
  ASSERT_EQ(pclose(pipe), 0) << listing;
  std::set<std::string> names;
  std::istringstream lines(listing);
  for (std::string line; std::getline(lines, line);) names.insert(line.substr(line.rfind(' ') + 1));
  EXPECT_EQ(names, (std::set<std::string>{"DllCanUnloadNow", "DllGetClassObject",
                                          "DllRegisterServer", "DllUnregisterServer"}))
      << listing;
}

}  // namespace
