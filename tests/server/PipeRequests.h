#pragma once

#include <string>
#include <vector>

#include "Platform.h"

// Client calls the tests make besides SendSettingsCommand.
namespace PipeRequests {

// Sends raw bytes as one message and reads one reply; false when there was
// no connection or no reply.
bool SendRaw(const std::vector<char>& message, std::u16string& reply);
// The learning request: write-only, "SAVE_USER_DICT keys:text" and a NUL,
// no reply read. False when the pipe could not be opened or written.
bool Learn(const std::u16string& keys, const std::u16string& text);
// Number of values under a key of the current user's registry.
size_t CountValues(const std::u16string& path);

}  // namespace PipeRequests
