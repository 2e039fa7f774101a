// The text of a profile file ("[section]" headers and key=value lines), read
// and edited as the profile functions see it. Pure functions on the file's
// bytes, so the rules can be tested and fuzzed without touching a disk.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::profile {

// The value of the key in the first section of that name: blanks and tabs
// around it removed, then one matching outer pair of " or ' removed. Names
// match without regard to case; of duplicate keys the first wins.
std::optional<std::string> FindValue(std::string_view file, std::string_view section, std::string_view key);

// The names of the sections, each once, in file order.
std::vector<std::string> SectionNames(std::string_view file);

// The names of the keys of the first section of that name, each once, in file
// order; nothing when the section is missing.
std::optional<std::vector<std::string>> KeyNames(std::string_view file, std::string_view section);

// The file with one change made, every other line kept byte for byte:
// key and value given: the key set to the value (in place when it is there,
// else at the end of its section, the section added at the end when missing);
// value null: the key removed; key null: the section removed.
std::string WithValue(std::string_view file, std::string_view section, const char* key, const char* value);

// Whether a name or value can be written without changing the file's lines.
bool IsWritableText(std::string_view text);

}  // namespace platform::profile
