#pragma once

#include <string_view>

// True when UTF-8 text ends with a Bengali vowel: a dependent vowel sign
// (kar) or an independent vowel letter. Text that ends so has left the
// consonant context: a phola or a vowel key typed next must not attach to
// it as if a consonant stood there, or the output holds a hasanta or a
// second vowel sign behind a vowel sign, which is not Bengali text.
bool EndsInVowel(std::string_view utf8);

// True when UTF-8 text starts with a dependent vowel sign (kar), which needs
// a consonant before it to sit on.
bool StartsWithVowelSign(std::string_view utf8);
