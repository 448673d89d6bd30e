#pragma once

#include <istream>
#include <mutex>
#include <string>
#include <string_view>

// The body of the model loader thread, without the thread and its load state:
// the thread narrows the path, calls LoadLanguageModel and stores Ready for
// true and Failed for false.

// Reads the model (an OpenFst binary vector FST over the standard arc, both
// symbol tables included) from plaintext, sorts its arcs by input label and
// indexes both symbol tables into the model globals. False, with the globals
// left empty, for anything that is not such a model: no data, a bad header, a
// wrong FST or arc type, short data, a missing symbol table, a stream that
// fails CheckModelStream, no memory.
bool PublishLanguageModelBytes(std::string_view plaintext);
// The same for the whole of a stream.
bool PublishLanguageModel(std::istream& plaintext);

// Reads and deciphers the model file without a lock, then publishes it while
// holding publishLock (the process's language-model mutex).
bool LoadLanguageModel(const std::string& narrowPath, std::mutex& publishLock);
