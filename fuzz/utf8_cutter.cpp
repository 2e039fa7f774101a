// Fuzzes the cutting of texts to a buffer. The input's first byte chooses the
// buffer's size, the rest is the text. A cut stays inside the buffer, ends
// with a zero, drops at most one character's bytes, and never splits a
// well-formed character: a valid text always cuts to a valid text.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "alarms/alarm_settings_text.h"
#include "fuzz_settings.h"
#include "platform/kernel/utf8_cut.h"

namespace {

// The length of the well-formed character at text[at], or 0 when the bytes
// there start none (the table of well-formed sequences of the Unicode standard).
std::size_t WellFormedAt(const unsigned char* text, std::size_t length, std::size_t at) {
  const unsigned char lead = text[at];
  if (lead < 0x80) return 1;
  std::size_t need = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    need = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    need = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    need = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (at + need > length) return 0;
  if (text[at + 1] < low || text[at + 1] > high) return 0;
  for (std::size_t k = 2; k < need; ++k) {
    if (text[at + k] < 0x80 || text[at + k] > 0xBF) return 0;
  }
  return need;
}

// Whether a well-formed character of the text has its first bytes before
// `cut` and its last at or after it.
bool SplitsACharacter(const unsigned char* text, std::size_t length, std::size_t cut) {
  for (std::size_t at = 0; at < length && at < cut;) {
    const std::size_t n = WellFormedAt(text, length, at);
    if (n == 0) {
      ++at;
      continue;
    }
    if (at + n > cut) return true;
    at += n;
  }
  return false;
}

bool AllWellFormed(const unsigned char* text, std::size_t length) {
  for (std::size_t at = 0; at < length;) {
    const std::size_t n = WellFormedAt(text, length, at);
    if (n == 0) return false;
    at += n;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::size_t bufferSize = data[0] % 140;
  const auto* text = reinterpret_cast<const char*>(data + 1);
  const std::size_t length = size - 1;
  const bool valid = AllWellFormed(data + 1, length);

  // An exact-size heap copy of the buffer, so a write past it is caught.
  std::vector<char> buffer(bufferSize == 0 ? 1 : bufferSize, '\x7F');
  const std::size_t copied = platform::CopyTextCut(text, length, bufferSize == 0 ? nullptr : buffer.data(),
                                                   bufferSize);
  if (bufferSize == 0) {
    FUZZ_CHECK(copied == 0);
    return 0;
  }
  FUZZ_CHECK(copied < bufferSize);
  FUZZ_CHECK(buffer[copied] == '\0');
  FUZZ_CHECK(std::memcmp(buffer.data(), text, copied) == 0);
  const std::size_t room = bufferSize - 1;
  FUZZ_CHECK(copied == (length < room ? length : room) || copied + 3 >= room);
  FUZZ_CHECK(!SplitsACharacter(data + 1, length, copied));
  if (valid) FUZZ_CHECK(AllWellFormed(data + 1, copied));

  // The record fields' variant: a zero-ended text cut to a field; the rest of
  // the field is zero.
  const std::string zeroEnded(text, strnlen(text, length));
  std::vector<char> field(bufferSize, '\x7F');
  SetFieldText(field.data(), field.size(), zeroEnded.c_str(), room);
  const std::size_t kept = strnlen(field.data(), field.size());
  FUZZ_CHECK(kept < field.size());
  FUZZ_CHECK(zeroEnded.compare(0, kept, field.data(), kept) == 0);
  for (std::size_t k = kept; k < field.size(); ++k) FUZZ_CHECK(field[k] == '\0');
  FUZZ_CHECK(!SplitsACharacter(reinterpret_cast<const unsigned char*>(zeroEnded.data()), zeroEnded.size(), kept));
  return 0;
}
