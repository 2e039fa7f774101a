#include "settings/damaged_copies.h"

#include <cstdio>

#include "platform/win32.h"

namespace {

// "path.bad" for generation 0, "path.bad.N" for the older ones.
bool KeptCopyName(const char* path, int generation, char* name, std::size_t size) {
  const int length = generation == 0 ? std::snprintf(name, size, "%s.bad", path)
                                     : std::snprintf(name, size, "%s.bad.%d", path, generation);
  return length > 0 && static_cast<std::size_t>(length) < size;
}

}  // namespace

bool KeepDamagedFile(const char* path) {
  char older[MAX_PATH];
  char newer[MAX_PATH];
  // Oldest first, so that each rename lands on a name already moved on; the
  // last generation is replaced by the one before it and so dropped.
  for (int generation = kKeptDamagedCopies - 1; generation > 0; --generation) {
    if (!KeptCopyName(path, generation, older, sizeof older) || !KeptCopyName(path, generation - 1, newer, sizeof newer)) {
      break;
    }
    MoveFileEx(newer, older, MOVEFILE_REPLACE_EXISTING);
  }
  if (!KeptCopyName(path, 0, newer, sizeof newer)) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return false;
  }
  return MoveFileEx(path, newer, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}
