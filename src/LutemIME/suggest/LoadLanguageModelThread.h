#pragma once

#include <string>

// The model loader: narrows path (a full Windows path) and loads the model
// file into the model globals under LanguageModelMutex, then sets
// LanguageModelState Ready, or Failed for any failure, a path that cannot be
// narrowed included. Throws nothing. Its starter has set the state Loading.
void LoadLanguageModelThread(std::u16string path);
