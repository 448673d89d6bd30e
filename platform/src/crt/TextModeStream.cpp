#include "crt/TextModeStream.h"

#include <new>

namespace crt {
namespace {

constexpr int kEndOfText = 0x1A;

struct TextReader {
  std::FILE* file;
  bool ended;
};

ssize_t Read(void* cookie, char* buffer, size_t size) {
  TextReader* reader = static_cast<TextReader*>(cookie);
  size_t count = 0;
  while (count < size && !reader->ended) {
    int c = std::getc(reader->file);
    if (c == EOF) {
      if (std::ferror(reader->file) && count == 0) return -1;
      break;
    }
    if (c == kEndOfText) {
      reader->ended = true;
      break;
    }
    if (c == '\r') {
      const int next = std::getc(reader->file);
      if (next == '\n')
        c = '\n';
      else if (next != EOF)
        std::ungetc(next, reader->file);
    }
    buffer[count++] = static_cast<char>(c);
  }
  return static_cast<ssize_t>(count);
}

int Close(void* cookie) {
  TextReader* reader = static_cast<TextReader*>(cookie);
  const int result = std::fclose(reader->file);
  delete reader;
  return result;
}

}  // namespace

std::FILE* OpenTextModeReader(std::FILE* file) {
  TextReader* reader = new (std::nothrow) TextReader{file, false};
  if (reader == nullptr) {
    std::fclose(file);
    return nullptr;
  }
  cookie_io_functions_t functions{};
  functions.read = Read;
  functions.close = Close;
  std::FILE* stream = fopencookie(reader, "r", functions);
  if (stream == nullptr) Close(reader);
  return stream;
}

}  // namespace crt
