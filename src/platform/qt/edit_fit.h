// Edits that cannot scroll: on the classic desktop an edit without
// ES_AUTOHSCROLL holds no more text than its width shows, so the templates
// size such edits for their whole text. The toolkit's font and margins are
// wider than the classic ones, so these edits make room rather than scroll.
#pragma once

class QLineEdit;

namespace platform::qt {

// From now on the edit keeps its text in view whole: its inner margins are a
// pixel slimmer, and a text still too wide is drawn in a narrower cut of the
// dialog font (down to three quarters of its width). A longer text scrolls.
void KeepEditTextInView(QLineEdit* edit);

}  // namespace platform::qt
