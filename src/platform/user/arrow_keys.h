// The virtual-key codes of the arrow keys. The program never asks for them,
// so they are not part of its API; the dialog manager moves through a group
// of controls with them, and the drivers hand them to it.
#pragma once

namespace platform {

constexpr int kVkLeft = 0x25;
constexpr int kVkUp = 0x26;
constexpr int kVkRight = 0x27;
constexpr int kVkDown = 0x28;

constexpr bool IsArrowKey(int virtualKey) { return virtualKey >= kVkLeft && virtualKey <= kVkDown; }

// Up and Left go back through a group, Down and Right forward.
constexpr bool ArrowGoesBack(int virtualKey) { return virtualKey == kVkLeft || virtualKey == kVkUp; }

}  // namespace platform
