#pragma once

#include <chrono>
#include <string>
#include <string_view>

// How long a request waits for the server's reply. A server that accepts the
// connection and never answers must not hold an application's UI thread
// longer than this.
constexpr std::chrono::milliseconds kSettingsReplyTimeout{1000};

// Sends one request to the settings server over its pipe, one connection per
// call, and returns the reply (at most 1023 UTF-16 units, cut at its first
// NUL). Never fails outward: every failure is a reply beginning with "Error: ".
// Keeps no state, so any thread may call it.
std::u16string SendSettingsCommand(std::u16string_view request);
