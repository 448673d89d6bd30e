#pragma once

#include <string>
#include <string_view>

// Checks a deciphered model stream before the library reads it: the library
// trusts every length and count it reads (a damaged string length makes it
// loop for seconds over gigabytes) and checks neither the start state nor
// the arcs' targets (a model with one of them out of range loads and then
// crashes the host application at the first query). The stream must be a
// vector FST over the standard arc with both symbol tables, a known state
// count, every length and count within the bytes that remain, both tables
// well formed (keys from 0 to 2^31 - 1, no key and no text twice), the start
// state and every arc's target inside the state count as stored (the start
// is 64 bits wide), labels not negative and weights members of the tropical
// semiring (not NaN, not minus infinity). Whatever follows the last state
// is padding and not examined. On failure, problem (when given) says what
// was wrong. Linear in the stream's size; allocates no more than the tables'
// own texts need.
bool CheckModelStream(std::string_view plaintext, std::string* problem = nullptr);
