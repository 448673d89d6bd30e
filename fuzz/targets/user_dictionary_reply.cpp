// The "LOAD_USER_DICT" reply: any text parses into pairs whose keys and
// texts the protocol's separators cannot be part of, and the user dictionary
// filled from them finds, for every key, the last text given for it.
//
// Input: the reply as UTF-16 units.
#include <cstdint>
#include <map>
#include <string>

#include "FuzzInput.h"
#include "suggest/UserDictionary.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  const std::u16string reply = in.RestAsUnits();

  UserDictionary dictionary;
  std::map<std::u16string, std::u16string> last;
  for (const auto& [keys, text] : ParseUserDictionaryReply(reply)) {
    FUZZ_CHECK(!keys.empty() && !text.empty());
    FUZZ_CHECK(keys.find(u':') == std::u16string::npos && keys.find(u'\n') == std::u16string::npos);
    FUZZ_CHECK(text.find(u'\n') == std::u16string::npos);
    dictionary.Set(keys, text);
    last[keys] = text;
  }
  FUZZ_CHECK(dictionary.Size() == last.size());
  for (const auto& [keys, text] : last) FUZZ_CHECK(dictionary.Find(keys) == text);
  return 0;
}
