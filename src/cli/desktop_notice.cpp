#include "cli/desktop_notice.h"

#include <strings.h>

#include "base/terminal_text.h"

namespace cli {
namespace {

constexpr char kAlarmNoteTemplate[] = "ShowAlarmMessage";
constexpr char kCountdownNotice[] = "Countdown timer ";

// Bytes that are not UTF-8 (a note saved by an older program) become U+FFFD,
// which the bus needs; the other control characters than line ends and tabs
// become blanks.
std::string WellFormed(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  ForEachCharacter(text, [&out](const TextCharacter& c) {
    if (!c.wellFormed) {
      out += "\xEF\xBF\xBD";
    } else if (IsControlCharacter(c.codePoint) && c.codePoint != '\n' && c.codePoint != '\t') {
      out += ' ';
    } else {
      out.append(c.bytes);
    }
  });
  return out;
}

}  // namespace

std::optional<DesktopNotice> NoticeOf(const platform::WindowSnapshot& shot, const std::string& readableText) {
  const bool alarmNote =
      shot.kind == platform::WindowKind::Dialog && strcasecmp(shot.templateName.c_str(), kAlarmNoteTemplate) == 0;
  const bool countdown =
      shot.kind == platform::WindowKind::MessageBox && shot.messageBoxText.rfind(kCountdownNotice, 0) == 0;
  if (!alarmNote && !countdown) return std::nullopt;
  return DesktopNotice{WellFormed(shot.text), WellFormed(readableText), alarmNote};
}

}  // namespace cli
