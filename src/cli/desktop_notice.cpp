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
  while (!text.empty()) {
    unsigned codePoint = 0;
    const std::size_t length = Utf8CharacterAt(text, codePoint);
    if (length == 0) {
      out += "\xEF\xBF\xBD";
      text.remove_prefix(1);
      continue;
    }
    const bool control = codePoint < 0x20 || codePoint == 0x7F || (codePoint >= 0x80 && codePoint <= 0x9F);
    if (control && codePoint != '\n' && codePoint != '\t') {
      out += ' ';
    } else {
      out.append(text.substr(0, length));
    }
    text.remove_prefix(length);
  }
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
