// The small services that the rest of the clock calls: the numbered error box,
// the help path and the font metrics.
#include <cstdio>
#include <cstring>

#include "base/clock_app.h"
#include "base/face_text.h"
#include "base/path_text.h"

void ShowErrorBox(HWND owner, UINT id) {
  char message[255];
  if (LoadString(instance, id, message, static_cast<int>(sizeof message)) <= 0) message[0] = '\0';
  char text[256];
  FaceText(text, sizeof text).Append("Error H").AppendDecimal(id).Append(": ").Append(message);
  MessageBoxEx(owner, text, "Horatick", MB_OK | MB_ICONEXCLAMATION, 0);
}

namespace {

void WriteUnknownHelpPath(char* buffer, std::size_t size) {
  std::snprintf(buffer, size, "%s", kHelpPathUnknown);
}

}  // namespace

// The help document sits beside the executable. A path that could not be read
// whole reads "?" so that help requests find no file rather than a wrong one.
void BuildHelpPath(char* buffer, std::size_t size) {
  if (buffer == nullptr || size == 0) return;
  const DWORD length = GetModuleFileName(nullptr, buffer, static_cast<DWORD>(size));
  if (length == 0 || length >= size) {
    WriteUnknownHelpPath(buffer, size);
    return;
  }
  buffer[length] = '\0';
  PlaceHelpFileName(buffer, size);
}

void PlaceHelpFileName(char* path, std::size_t size) {
  // A name without a folder is in the working folder, and so is the help file.
  const char* slash = LastPathSeparator(path);
  const std::size_t nameStart = slash == nullptr ? 0 : static_cast<std::size_t>(slash - path) + 1;
  if (nameStart + sizeof kHelpFileName <= size) {
    std::memcpy(path + nameStart, kHelpFileName, sizeof kHelpFileName);
    return;
  }
  // The folder is kept and "?" stands for the name, when there is room for it.
  const std::size_t unknownStart = size - nameStart >= sizeof kHelpPathUnknown ? nameStart : 0;
  WriteUnknownHelpPath(path + unknownStart, size - unknownStart);
}

// When the layer cannot measure its font, a common 8 x 16 cell keeps the
// window usable instead of zero pixels wide.
void MeasureDisplayFont() {
  TEXTMETRIC metrics{};
  HDC context = CreateIC("DISPLAY", nullptr, nullptr, nullptr);
  const bool measured = context != nullptr && GetTextMetrics(context, &metrics) != 0 &&
                        metrics.tmAveCharWidth > 0 && metrics.tmHeight > 0;
  if (context != nullptr) DeleteDC(context);
  avgCharWidth = measured ? static_cast<std::int16_t>(metrics.tmAveCharWidth) : 8;
  charHeight = measured ? static_cast<std::int16_t>(metrics.tmHeight) : 16;
}
