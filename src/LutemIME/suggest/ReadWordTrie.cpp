#include "suggest/ReadWordTrie.h"

#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

#include "Platform.h"
#include "suggest/WordDictionaryFormat.h"

namespace {

uint32_t ReadLittleEndian32(const char* bytes) {
  auto b = reinterpret_cast<const unsigned char*>(bytes);
  return uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24;
}

// Appends the rest of the stream to out, whose first offset bytes are not
// from the file and do not count against the size limit.
bool ReadRest(std::FILE* stream, size_t offset, std::vector<char>* out) {
  char chunk[64 * 1024];
  for (;;) {
    size_t got = std::fread(chunk, 1, sizeof chunk, stream);
    if (got > 0) {
      if (out->size() - offset + got > worddict::kMaxBodySize + worddict::kTrailerSize) return false;
      out->insert(out->end(), chunk, chunk + got);
    }
    if (got < sizeof chunk) return std::ferror(stream) == 0;
  }
}

}  // namespace

bool ReadWordTrie(std::FILE* stream, WordDictionaryTrie* target) {
  if (stream == nullptr || target == nullptr) return false;
  try {
    char header[worddict::kHeaderSize];
    if (std::fread(header, 1, sizeof header, stream) != sizeof header) return false;
    if (std::memcmp(header, worddict::kHeader, sizeof header) != 0) return false;

    // The body is read straight behind the library's header, so that the
    // same buffer becomes the image the trie maps without another copy.
    std::vector<char> image(worddict::kMarisaHeader,
                            worddict::kMarisaHeader + worddict::kMarisaHeaderSize);
    if (!ReadRest(stream, worddict::kMarisaHeaderSize, &image)) return false;

    // A file that ends in our trailer must match it; one without (the
    // library's body and nothing after it, as other tools make the file) is
    // handed to the library as it stands, whose size check then refuses any
    // byte that is not part of the body (a trailer damaged in its name
    // included).
    size_t rest = image.size() - worddict::kMarisaHeaderSize;
    const char* trailer = image.data() + image.size() - worddict::kTrailerSize;
    if (rest >= worddict::kTrailerSize &&
        std::memcmp(trailer, worddict::kTrailerMagic, worddict::kTrailerMagicSize) == 0) {
      size_t bodySize = rest - worddict::kTrailerSize;
      if (ReadLittleEndian32(trailer + 8) != bodySize) return false;
      const char* body = image.data() + worddict::kMarisaHeaderSize;
      uLong crc = crc32_z(0L, reinterpret_cast<const Bytef*>(body), bodySize);
      if (ReadLittleEndian32(trailer + 12) != static_cast<uint32_t>(crc)) return false;
      image.resize(image.size() - worddict::kTrailerSize);
    }

    WordDictionaryTrie loaded;
    if (!loaded.Map(std::move(image))) return false;
    target->Swap(loaded);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

std::unique_ptr<WordDictionaryTrie> LoadWordTrieFile(const std::string& path) {
  std::FILE* stream = nullptr;
  if (fopen_s(&stream, path.c_str(), "rb") != 0 || stream == nullptr) return nullptr;
  std::unique_ptr<WordDictionaryTrie> trie(new (std::nothrow) WordDictionaryTrie);
  bool ok = trie != nullptr && ReadWordTrie(stream, trie.get());
  std::fclose(stream);
  if (!ok) return nullptr;
  return trie;
}
