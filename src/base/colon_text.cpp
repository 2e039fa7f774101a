#include "base/colon_text.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

long long ReadLenientNumber(const char* text, std::size_t count) {
  char part[80] = {};
  const std::size_t length = std::min({std::strlen(text), count, sizeof part - 1});
  std::memcpy(part, text, length);
  return std::clamp(std::strtoll(part, nullptr, 10), static_cast<long long>(std::numeric_limits<std::int32_t>::min()),
                    static_cast<long long>(std::numeric_limits<std::int32_t>::max()));
}

namespace {

// The position of a colon that follows three or more digits, or 0.
std::size_t LongColon(const char* text) {
  std::size_t i = 0;
  while (std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
  return (i >= 3 && text[i] == ':') ? i : 0;
}

}  // namespace

ColonText ReadColonText(const char* text) {
  const std::size_t length = std::strlen(text);
  const auto colonAt = [&](std::size_t i) { return i < length && text[i] == ':'; };
  std::size_t colon = 0;
  if (colonAt(2)) {
    colon = 2;
  } else if (colonAt(1)) {
    colon = 1;
  } else {
    colon = LongColon(text);
  }
  if (colon == 0) return {false, ReadLenientNumber(text, length), 0};
  return {true, ReadLenientNumber(text, colon), ReadLenientNumber(text + colon + 1, 2)};
}
