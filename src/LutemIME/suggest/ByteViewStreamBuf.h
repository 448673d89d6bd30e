#pragma once

#include <streambuf>
#include <string_view>

// A read-only stream buffer over bytes that someone else owns, so that the
// library's stream reader can parse a model without another copy of it.
class ByteViewStreamBuf : public std::streambuf {
 public:
  explicit ByteViewStreamBuf(std::string_view bytes) {
    char* begin = const_cast<char*>(bytes.data());  // never written: no put area
    setg(begin, begin, begin + bytes.size());
  }
};
