// Copies of settings files that could not be used, kept so that nothing of
// them is lost when the defaults are saved in their place.
#pragma once

// How many kept copies of one file there are at most: "NAME.bad" the newest,
// then "NAME.bad.1" up to "NAME.bad.4"; the oldest beyond these is dropped.
inline constexpr int kKeptDamagedCopies = 5;

// Moves the file at path to "path.bad", the earlier kept copies one
// generation down. false when the file could not be moved (it is then still
// at path); GetLastError says why.
bool KeepDamagedFile(const char* path);
