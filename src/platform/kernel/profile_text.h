// The text of a profile file ("[section]" headers and key=value lines), read
// and edited as the profile functions see it. Pure functions on the file's
// bytes, so the rules can be tested and fuzzed without touching a disk.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::profile {

// A profile file split into its lines once, so that many lookups and edits of
// one unchanged file cost one pass over it. Neither copied nor moved: its
// lines point into its own text.
class ParsedProfile {
 public:
  struct Line;

  explicit ParsedProfile(std::string text);
  ~ParsedProfile();
  ParsedProfile(const ParsedProfile&) = delete;
  ParsedProfile& operator=(const ParsedProfile&) = delete;

  const std::string& Text() const { return text_; }
  const std::vector<Line>& Lines() const { return lines_; }

 private:
  std::string text_;
  std::vector<Line> lines_;
};

// How many non-empty files have been split into lines in this process: what
// the tests count to see that one unchanged file is parsed once.
long ProfileParseCount();

// Each function below comes twice: on a parsed file, and on the file's bytes
// (parsed for the one call).

// The value of the key in the first section of that name: blanks and tabs
// around it removed, then one matching outer pair of " or ' removed. Names
// match without regard to case; of duplicate keys the first wins.
std::optional<std::string> FindValue(const ParsedProfile& file, std::string_view section, std::string_view key);
std::optional<std::string> FindValue(std::string_view file, std::string_view section, std::string_view key);

// The names of the sections, each once, in file order.
std::vector<std::string> SectionNames(const ParsedProfile& file);
std::vector<std::string> SectionNames(std::string_view file);

// The names of the keys of the first section of that name, each once, in file
// order; nothing when the section is missing.
std::optional<std::vector<std::string>> KeyNames(const ParsedProfile& file, std::string_view section);
std::optional<std::vector<std::string>> KeyNames(std::string_view file, std::string_view section);

// The file with one change made, every other line kept byte for byte:
// key and value given: the key set to the value (in place when it is there,
// else at the end of its section, the section added at the end when missing);
// value null: the key removed; key null: the section removed.
std::string WithValue(const ParsedProfile& file, std::string_view section, const char* key, const char* value);
std::string WithValue(std::string_view file, std::string_view section, const char* key, const char* value);

// Whether a name or value can be written without changing the file's lines.
bool IsWritableText(std::string_view text);

}  // namespace platform::profile
