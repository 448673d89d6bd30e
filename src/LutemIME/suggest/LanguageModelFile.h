#pragma once

#include <ostream>
#include <string>

// The model file: 7 leading bytes that nobody examines, then the model
// enciphered block by block (AES-128, ECB) under the built-in key. Appends the
// plaintext to out. A file that cannot be opened leaves out as it was; any
// other trouble shows only as plaintext that the model reader rejects.
void ReadLanguageModelFile(const std::string& path, std::ostream& out);
