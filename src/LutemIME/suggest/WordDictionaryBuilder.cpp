#include "suggest/WordDictionaryBuilder.h"

#if LUTEM_WITH_MARISA
#include <marisa.h>
#include <marisa/iostream.h>
#include <zlib.h>
#endif

#include <cstdint>
#include <sstream>
#include <stdexcept>

#include "suggest/WordDictionaryFormat.h"

#if LUTEM_WITH_MARISA
namespace {

// How the trie is built fixes the order in which a predictive search yields
// keys, and the limited search hands that order to the user:
// - MARISA_LABEL_ORDER: siblings by byte, so keys come in byte order and the
//   first completion of a prefix is the prefix itself when it is a word (the
//   default, weight order, would rank branches by their number of keys);
// - one trie level: predictive searches restore keys about four times faster
//   than with the default three levels, for a file about a fifth larger;
// - text tail and the default cache: the library's defaults.
constexpr int kWordTrieConfig =
    MARISA_LABEL_ORDER | MARISA_MIN_NUM_TRIES | MARISA_TEXT_TAIL | MARISA_DEFAULT_CACHE;

void AppendLittleEndian32(std::string* out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out->push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string BuildWordDictionary(const std::vector<std::string>& words) {
  marisa::Keyset keyset;
  for (const std::string& word : words) {
    if (word.empty()) throw std::invalid_argument("empty word");
    if (word.find('\0') != std::string::npos) throw std::invalid_argument("word with a NUL byte");
    keyset.push_back(word.data(), word.size());
  }
  marisa::Trie trie;
  trie.build(keyset, kWordTrieConfig);

  std::ostringstream saved;
  marisa::write(saved, trie);
  std::string image = saved.str();
  if (image.size() < worddict::kMarisaHeaderSize ||
      image.compare(0, worddict::kMarisaHeaderSize, worddict::kMarisaHeader,
                    worddict::kMarisaHeaderSize) != 0)
    throw std::runtime_error("unexpected trie image");
  size_t bodySize = image.size() - worddict::kMarisaHeaderSize;
  if (bodySize > worddict::kMaxBodySize) throw std::invalid_argument("dictionary too large");
  const char* body = image.data() + worddict::kMarisaHeaderSize;

  std::string file(worddict::kHeader, worddict::kHeaderSize);
  file.append(body, bodySize);
  file.append(worddict::kTrailerMagic, worddict::kTrailerMagicSize);
  AppendLittleEndian32(&file, static_cast<uint32_t>(bodySize));
  AppendLittleEndian32(
      &file, static_cast<uint32_t>(crc32_z(0L, reinterpret_cast<const Bytef*>(body), bodySize)));
  return file;
}
#else
std::string BuildWordDictionary(const std::vector<std::string>&) {
  throw std::runtime_error("word dictionaries need marisa-trie (LUTEM_WITH_MARISA)");
}
#endif
