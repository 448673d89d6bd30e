#include "suggest/LanguageModelFile.h"

#include <cstdint>
#include <cstdio>
#include <memory>

#include "Platform.h"
#include "suggest/Aes128.h"

namespace {

constexpr size_t kLeadingBytes = 7;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

void ReadLanguageModelFile(const std::string& path, std::ostream& out) {
  std::FILE* opened = nullptr;
  // The debug log writes nothing, so a file that cannot be opened needs
  // nothing else.
  if (fopen_s(&opened, path.c_str(), "rb") != 0 || opened == nullptr) return;
  std::unique_ptr<std::FILE, FileCloser> file(opened);

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
