#include "platform/qt/control_labels.h"

#include "platform/qt/dialog_controls.h"

namespace platform::qt {

namespace {

using Controls = std::vector<WindowSnapshot>;

bool IsTextLabel(const WindowSnapshot& control) {
  return ControlTypeOf(control) == ControlType::Text && !control.text.empty();
}

bool IsChoice(const WindowSnapshot& control) {
  const ControlType type = ControlTypeOf(control);
  return (type == ControlType::RadioButton || type == ControlType::CheckBox) && !control.text.empty();
}

bool SameRow(const RECT& a, const RECT& b) { return a.top < b.bottom && b.top < a.bottom; }

// A label ends at or just inside the control it introduces (the templates
// let them touch).
constexpr int kTouchPx = 2;

bool LeftOf(const RECT& label, const RECT& control) {
  return SameRow(label, control) && label.right <= control.left + kTouchPx;
}

std::string ReadText(const WindowSnapshot& control) {
  const bool noPrefix = ControlTypeOf(control) == ControlType::Text && (control.style & SS_NOPREFIX) != 0;
  return noPrefix ? control.text : WithoutMnemonics(control.text);
}

std::string EditName(const Controls& controls, std::size_t at) {
  const WindowSnapshot& edit = controls[at];
  if (at > 0 && IsTextLabel(controls[at - 1])) return ReadText(controls[at - 1]);
  const WindowSnapshot* nearest = nullptr;
  for (const WindowSnapshot& control : controls) {
    if (!(IsTextLabel(control) || IsChoice(control)) || !LeftOf(control.rect, edit.rect)) continue;
    if (nearest == nullptr || control.rect.right > nearest->rect.right) nearest = &control;
  }
  return nearest != nullptr ? ReadText(*nearest) : std::string();
}

// Units written after an edit on its row, no further off than the edit is high.
std::string EditUnits(const Controls& controls, std::size_t at) {
  const RECT& edit = controls[at].rect;
  const WindowSnapshot* nearest = nullptr;
  for (const WindowSnapshot& control : controls) {
    const RECT& r = control.rect;
    if (!IsTextLabel(control) || !SameRow(r, edit) || r.left < edit.right - kTouchPx ||
        r.left - edit.right > edit.bottom - edit.top) {
      continue;
    }
    if (nearest == nullptr || r.left < nearest->rect.left) nearest = &control;
  }
  return nearest != nullptr ? ReadText(*nearest) : std::string();
}

// The smallest group box with a title that holds the middle of the control.
const WindowSnapshot* HoldingBox(const Controls& controls, const WindowSnapshot& control) {
  const long x = (control.rect.left + control.rect.right) / 2;
  const long y = (control.rect.top + control.rect.bottom) / 2;
  const WindowSnapshot* smallest = nullptr;
  long smallestArea = 0;
  for (const WindowSnapshot& box : controls) {
    if (ControlTypeOf(box) != ControlType::GroupBox || box.text.empty()) continue;
    const RECT& r = box.rect;
    if (x < r.left || x >= r.right || y < r.top || y >= r.bottom) continue;
    const long area = static_cast<long>(r.right - r.left) * (r.bottom - r.top);
    if (smallest == nullptr || area < smallestArea) {
      smallest = &box;
      smallestArea = area;
    }
  }
  return smallest;
}

// The group box or static text that names the control's group, nullptr when
// none does.
const WindowSnapshot* GroupNamer(const Controls& controls, std::size_t at) {
  if (const WindowSnapshot* box = HoldingBox(controls, controls[at])) return box;
  // The WS_GROUP run the control belongs to; a template that marks no run
  // has nothing more to say.
  std::size_t start = at + 1;
  for (std::size_t i = at + 1; i-- > 0;) {
    if ((controls[i].style & WS_GROUP) != 0) {
      start = i;
      break;
    }
  }
  if (start > at) return nullptr;
  for (std::size_t i = start; i < controls.size() && (i == start || (controls[i].style & WS_GROUP) == 0); ++i) {
    if (!IsChoice(controls[i])) continue;
    if (const WindowSnapshot* box = HoldingBox(controls, controls[i])) return box;
  }
  if (start > 0 && IsTextLabel(controls[start - 1])) return &controls[start - 1];
  return nullptr;
}

}  // namespace

std::string WithoutMnemonics(const std::string& text) {
  std::string read;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    read += text[i];
  }
  return read;
}

std::vector<ControlLabel> LabelControls(const Controls& controls) {
  std::vector<ControlLabel> labels(controls.size());
  for (std::size_t i = 0; i < controls.size(); ++i) {
    switch (ControlTypeOf(controls[i])) {
      case ControlType::Edit:
        labels[i] = ControlLabel{EditName(controls, i), EditUnits(controls, i)};
        break;
      case ControlType::RadioButton:
      case ControlType::CheckBox:
        if (const WindowSnapshot* group = GroupNamer(controls, i)) {
          labels[i].description = ReadText(*group);
          labels[i].group = group->handle;
        }
        break;
      case ControlType::Icon:
        // An icon's text is the name of the icon it shows.
        labels[i].name = controls[i].text;
        break;
      default:
        break;
    }
  }
  return labels;
}

}  // namespace platform::qt
