#pragma once

#include <string>
#include <vector>

// Loads the default word dictionary (from setup.sh) and the generated
// language model into this process, as the input method's dictionary
// thread loads them, once: both files go into a data folder of their own,
// an engine's dictionary thread loads them, and the load states stay Ready
// for the rest of the process. Returns why that failed, or nothing (the
// same answer on every call).
std::string LoadDefaultDictionaryAndModel();

// What a user types with the generated model (its key strings, up to 19
// keys each); empty until the load ran.
const std::vector<std::string>& GeneratedModelTyping();
