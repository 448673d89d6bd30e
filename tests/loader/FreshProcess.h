#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The load states and the loaded data are process-wide and never go back to
// NotStarted, so a test of them needs a process that has loaded nothing yet.
// A fresh-process test runs its body in a new run of this program, filtered
// to that one test, with LUTEM_SYSTEM_ROOT naming a new empty folder; the
// child's failures and output are reported by the parent. A test with cases
// runs one child per case, and the body gets the case's name.

bool InFreshProcess();
std::string FreshProcessCase();
void RunInFreshProcess(const std::string& testName, const std::string& caseName);

#define FRESH_PROCESS_TEST_CASES(Suite, Name, cases)                        \
  static void Suite##_##Name##_Body(const std::string& freshCase);          \
  TEST(Suite, Name) {                                                       \
    if (InFreshProcess()) {                                                 \
      Suite##_##Name##_Body(FreshProcessCase());                            \
      return;                                                               \
    }                                                                       \
    for (const std::string& caseName : cases)                               \
      RunInFreshProcess(#Suite "." #Name, caseName);                        \
  }                                                                         \
  static void Suite##_##Name##_Body(const std::string& freshCase)

#define FRESH_PROCESS_TEST(Suite, Name) \
  FRESH_PROCESS_TEST_CASES(Suite, Name, std::vector<std::string>{""})
