// Cutting UTF-8 text to a buffer without splitting a character.
#pragma once

#include <cstddef>

namespace platform {

// The length (at most maxBytes) of the longest start of text[0..length) that
// ends on a character boundary.
std::size_t Utf8CutLength(const char* text, std::size_t length, std::size_t maxBytes);

// Copies text into buffer as the Win32 "A" functions do: at most size - 1
// bytes, cut on a character boundary, always followed by a zero. Returns the
// number of bytes copied (without the zero); nothing is written when size is 0.
std::size_t CopyTextCut(const char* text, std::size_t length, char* buffer, std::size_t size);

}  // namespace platform
