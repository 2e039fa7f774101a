#include "cli/error_stream.h"

#include <stdio.h>
#include <sys/types.h>

#include <string_view>

namespace cli {
namespace {

ssize_t WriteInto(void* cookie, const char* data, size_t size) {
  static_cast<LineOutput*>(cookie)->PutText(std::string_view(data, size));
  return static_cast<ssize_t>(size);
}

}  // namespace

ErrorStreamThrough::ErrorStreamThrough(LineOutput& errors) : previous_(stderr) {
  cookie_io_functions_t functions{};
  functions.write = WriteInto;
  stream_ = ::fopencookie(&errors, "w", functions);
  if (stream_ == nullptr) return;
  // Unbuffered, as standard error is: each notice is handed over whole at once.
  std::setvbuf(stream_, nullptr, _IONBF, 0);
  stderr = stream_;
}

ErrorStreamThrough::~ErrorStreamThrough() {
  if (stream_ == nullptr) return;
  stderr = previous_;
  std::fclose(stream_);
}

}  // namespace cli
