#include "suggest/LoadState.h"

// Constant-initialised: ready before any code of the module runs.
std::atomic<LoadState> WordDictionaryState{LoadState::NotStarted};
std::atomic<LoadState> LanguageModelState{LoadState::NotStarted};
