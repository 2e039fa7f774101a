// Replacing a settings file by renaming a new one over it, without letting a
// planted link or a leftover of an earlier save decide what gets written.
#pragma once

#include <string>

namespace platform {

// Where a replace of path really lands. A symbolic link owned by the user
// (a dot-file setup) is followed to its target, link by link; a link owned by
// anyone else is where the chain stops, so that it is replaced, never followed.
std::string WriteTargetOf(const std::string& path);

// The name of a new temporary file beside path: ".NAME.tmp-PID-N", unique
// within this process. Created exclusively, it never lands on a planted file.
std::string TemporaryNameBeside(const std::string& path);

// Gives the file at `replacement` the permission bits of the regular file at
// `replaced`, through a descriptor opened without following links. A missing
// replaced file leaves the bits as they are.
void TakeOverMode(const std::string& replacement, const std::string& replaced);

// Renames replacement over target. When the two lie on different file
// systems (a link into another disk), the bytes are copied to a temporary
// file beside the target first, so the target is still replaced atomically.
// errno says why when it returns false.
bool RenameOver(const std::string& replacement, const std::string& target);

// Removes the temporary files of earlier saves of path (".NAME.tmp-PID-N")
// whose process has ended: a save that was killed leaves one behind.
void RemoveStaleTemporaries(const std::string& path);

}  // namespace platform
