#include "suggest/LanguageModelFile.h"

#include <cstdint>
#include <cstdio>
#include <memory>

#include "suggest/Aes128.h"

namespace {

constexpr size_t kLeadingBytes = 7;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

void ReadLanguageModelFile(const std::string& path, std::ostream& out) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return;  // the debug log writes nothing, so there is nothing else to do

  unsigned char leading[kLeadingBytes];
  if (std::fread(leading, 1, kLeadingBytes, file.get()) != kLeadingBytes) return;

  uint8_t roundKeys[kAesRoundKeySize];
  AesKeyExpansion(roundKeys);

  // Zeros stand in for the previous block's plaintext when a trailing partial
  // block has no previous block, so the result never depends on stale memory.
  uint8_t block[kAesBlockSize] = {};
  size_t got = std::fread(block, 1, kAesBlockSize, file.get());
  while (got == kAesBlockSize) {
    AesInvCipher(block, roundKeys);
    out.write(reinterpret_cast<const char*>(block), kAesBlockSize);
    got = std::fread(block, 1, kAesBlockSize, file.get());
  }
  if (got > 0) {
    AesInvCipher(block, roundKeys);
    out.write(reinterpret_cast<const char*>(block), static_cast<std::streamsize>(got));
  }
}
