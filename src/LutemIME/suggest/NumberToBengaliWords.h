#pragma once

#include <cstdint>

#include "Platform.h"

// The number in Bengali words with crore, lakh, thousand and hundred groups.
// The text belongs to this thread's buffer and stays valid until the next call
// on the same thread; negative numbers give the empty string.
const WCHAR* NumberToBengaliWords(int64_t number);
