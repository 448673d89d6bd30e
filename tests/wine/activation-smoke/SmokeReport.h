#pragma once

#include <string>

// What the smoke saw, one line each, on standard output as it goes (a run
// that ends early still shows how far it came).
class SmokeReport {
 public:
  // "  ok   text" or "  FAIL text"; returns passed.
  bool Check(bool passed, const std::string& text);
  // "       text": something seen that is neither right nor wrong.
  void Note(const std::string& text);
  void Section(const std::string& title);
  bool Failed() const { return failures_ > 0; }
  int Failures() const { return failures_; }

 private:
  int failures_ = 0;
};
