#pragma once

#include <iostream>
#include <streambuf>

// Silences std::cerr while it lives. The model's query front end names every
// key character the model does not know there, two lines each: under the
// fuzzer that is most queries, and the log would drown what matters.
class QuietCerr {
 public:
  QuietCerr() : saved_(std::cerr.rdbuf(&nothing_)) {}
  ~QuietCerr() { std::cerr.rdbuf(saved_); }
  QuietCerr(const QuietCerr&) = delete;
  QuietCerr& operator=(const QuietCerr&) = delete;

 private:
  struct Nothing : std::streambuf {
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
  };
  Nothing nothing_;
  std::streambuf* saved_;
};
