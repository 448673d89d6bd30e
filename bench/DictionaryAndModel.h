#pragma once

#include <string>
#include <vector>

// Loads the default word dictionary (from setup.sh) and the generated
// language model into this process, as the input method's dictionary
// thread loads them, once: both files go into a data folder of their own,
// an engine's dictionary thread loads them, and the load states stay Ready
// for the rest of the process. Returns why that failed, or nothing (the
// same answer on every call).
// With LUTEM_BENCH_MODEL=default in the environment the default language
// model that setup.sh installs is loaded in place of the generated one, and
// what a user types is the list of typed words (tests/data/typed-words.tsv).
std::string LoadDefaultDictionaryAndModel();
bool DefaultModelLoaded();

// What a user types with the generated model (its key strings, up to 19
// keys each); empty until the load ran.
const std::vector<std::string>& GeneratedModelTyping();
