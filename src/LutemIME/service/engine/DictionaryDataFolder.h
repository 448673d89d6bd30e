#pragma once

#include <string>

// The folder of the word dictionary and the language model: the 32-bit
// Program Files folder followed by "\Hollin\Lutem Keyboard\Dictionaries\"
// (ending in a backslash). False when the shell does not know the folder or
// the whole does not fit in MAX_PATH units.
bool DictionaryDataFolder(std::u16string* folder);
