// A bounded text builder for the pieces of the clock face. The face is rebuilt
// twice a second into fixed buffers, so the builder never allocates, never
// writes past its buffer and always leaves the text ended by a zero; a text
// that does not fit is cut (the buffers are sized so that no face is).
#pragma once

#include <cstddef>
#include <cstdint>

class FaceText {
 public:
  FaceText(char* buffer, std::size_t size) : buffer_(buffer), size_(size) {
    if (size_ > 0) buffer_[0] = '\0';
  }

  FaceText& Append(const char* text) {
    while (*text != '\0' && length_ + 1 < size_) buffer_[length_++] = *text++;
    Terminate();
    return *this;
  }

  FaceText& Append(char c) {
    if (length_ + 1 < size_) buffer_[length_++] = c;
    Terminate();
    return *this;
  }

  // "%d": a signed decimal number.
  FaceText& AppendDecimal(std::int64_t value) {
    char digits[24];
    int count = 0;
    bool negative = value < 0;
    // Work on the negative side so that the smallest value has no overflow.
    std::int64_t rest = negative ? value : -value;
    do {
      digits[count++] = static_cast<char>('0' - rest % 10);
      rest /= 10;
    } while (rest != 0);
    if (negative) Append('-');
    while (count > 0) Append(digits[--count]);
    return *this;
  }

  // "0%d" below 10, else "%d": at least two places.
  FaceText& AppendTwoDigits(std::int64_t value) {
    if (value >= 0 && value < 10) Append('0');
    return AppendDecimal(value);
  }

 private:
  void Terminate() {
    if (size_ > 0) buffer_[length_ < size_ ? length_ : size_ - 1] = '\0';
  }

  char* buffer_;
  std::size_t size_;
  std::size_t length_ = 0;
};
