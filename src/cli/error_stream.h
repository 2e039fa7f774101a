// Standard error of the terminal clock, through a LineOutput, so that a
// notice written with fprintf(stderr, ...) anywhere in the program never
// waits on a reader of standard error that has stopped reading.
#pragma once

#include <cstdio>

#include "cli/line_output.h"

namespace cli {

// For its lifetime, `stderr` is a stream whose text is put into `errors`.
// The C library lets a program set stderr; the stream the process started
// with comes back at the end.
class ErrorStreamThrough {
 public:
  explicit ErrorStreamThrough(LineOutput& errors);
  ~ErrorStreamThrough();
  ErrorStreamThrough(const ErrorStreamThrough&) = delete;
  ErrorStreamThrough& operator=(const ErrorStreamThrough&) = delete;

 private:
  std::FILE* previous_;
  std::FILE* stream_ = nullptr;
};

}  // namespace cli
