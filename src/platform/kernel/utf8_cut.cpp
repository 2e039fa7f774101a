#include "platform/kernel/utf8_cut.h"

#include <cstring>

namespace platform {

namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The bytes a character takes by its first byte; 1 for ASCII and for a byte
// that cannot start a character.
std::size_t SequenceLength(char c) {
  const auto lead = static_cast<unsigned char>(c);
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  return 1;
}

}  // namespace

// A cut that falls inside a multi-byte character moves back to that
// character's first byte. Bytes that are not UTF-8 (an old file) are treated
// as characters of their own, so they are never dropped without need.
std::size_t Utf8CutLength(const char* text, std::size_t length, std::size_t maxBytes) {
  if (length <= maxBytes) return length;
  if (!IsContinuationByte(text[maxBytes])) return maxBytes;
  std::size_t start = maxBytes;
  while (start > 0 && maxBytes - start < 3 && IsContinuationByte(text[start])) --start;
  if (IsContinuationByte(text[start])) return maxBytes;
  if (start + SequenceLength(text[start]) > maxBytes) return start;
  return maxBytes;
}

std::size_t CopyTextCut(const char* text, std::size_t length, char* buffer, std::size_t size) {
  if (buffer == nullptr || size == 0) return 0;
  const std::size_t n = Utf8CutLength(text, length, size - 1);
  if (n > 0) std::memmove(buffer, text, n);
  buffer[n] = '\0';
  return n;
}

}  // namespace platform
