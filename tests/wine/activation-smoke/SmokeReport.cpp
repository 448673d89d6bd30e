#include "SmokeReport.h"

#include <cstdio>

bool SmokeReport::Check(bool passed, const std::string& text) {
  if (!passed) ++failures_;
  std::printf("  %s %s\n", passed ? "ok  " : "FAIL", text.c_str());
  std::fflush(stdout);
  return passed;
}

void SmokeReport::Note(const std::string& text) {
  std::printf("       %s\n", text.c_str());
  std::fflush(stdout);
}

void SmokeReport::Section(const std::string& title) {
  std::printf("%s\n", title.c_str());
  std::fflush(stdout);
}
